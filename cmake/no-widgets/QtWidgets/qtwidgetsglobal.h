// Every QtWidgets header includes this one first. Targets that must stay free of widgets put this
// folder ahead of Qt's on their include path, so a widget include there fails to compile.
#error "This layer must not use QtWidgets: keep widget code in the window folders."
