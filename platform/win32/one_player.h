#pragma once

namespace jukett::win32 {

// One player in each session. The first start takes the session's name and
// goes on; a later start, while that one runs, lets it come to the front,
// asks its window back and must then end, touching nothing else. The name
// goes with the process that took it, however that process ends.
bool FirstPlayerInSession();

}  // namespace jukett::win32
