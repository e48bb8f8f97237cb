// The owner of the window libraries' precompiled headers (src/CMakeLists.txt); it holds no code.
