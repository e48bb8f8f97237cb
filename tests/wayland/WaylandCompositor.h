#pragma once

class HeadlessWeston;

// The compositor the suite's application is a client of; it may have failed to start (see
// HeadlessWeston::failure()), and it is nullptr while the cases are only being listed.
HeadlessWeston *WaylandCompositor();
