#pragma once

namespace zaq {

// SIGTERM, SIGINT and SIGHUP (the end of the session) quit the event loop cleanly.
void installQuitSignals();

}  // namespace zaq
