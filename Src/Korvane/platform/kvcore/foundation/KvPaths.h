#pragma once

#include <QString>

// Where the editor keeps its per-user files. Everything derives from the
// user's XDG directories, so tests move all of it with HOME / XDG_* variables.
namespace KvPaths {

// "<XDG_DATA_HOME>/Tessaracorp/Korvane": per-user program data.
QString userDataDir();
// "<XDG_CONFIG_HOME>/Tessaracorp/Korvane": configuration files.
QString userConfigDir();
// "<Documents>/Korvane": the user's own documents (backups, renders ...).
QString documentsDir();
// The private per-user runtime directory (XDG_RUNTIME_DIR, mode 0700): the
// single-instance lock and the communicator's sockets live here.
QString runtimeDir();

} // namespace KvPaths
