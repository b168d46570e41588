#pragma once
// Input on an X connection, watched without reading it. Reading costs a
// call into the system even when nothing came, and a library's own wait
// (SDL's, XPending) reads several times at every wake, sixty times a second.
// No Xlib header here.

struct _XDisplay;  // Xlib's Display

namespace aerolark {

// True when events wait in Xlib's queue, already read from the connection.
bool HasQueuedEvents(_XDisplay* display);
// Sleeps until bytes arrive on the connection, a signal comes or
// `milliseconds` pass; false only when the time ran out. With `flush`, the
// requests Xlib buffered are sent first (sending reads the connection too,
// so it is left out where nothing was asked of the connection since).
bool WaitForBytes(_XDisplay* display, int milliseconds, bool flush);

}  // namespace aerolark
