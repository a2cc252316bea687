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
// "<XDG_STATE_HOME>/Tessaracorp/Korvane" (XDG_STATE_HOME defaults to
// ~/.local/state): state that outlives a run but is no document or setting.
QString userStateDir();

// The folder an installation writes beside itself (its log, the launch
// test's markers and caches): `appDir` when this user may write there,
// otherwise userStateDir(), for an installation owned by another user or on
// a read-only file system.
QString installStateDir(const QString &appDir);
// installStateDir() of the running program's folder, decided at the first
// call (after the application object exists).
QString installStateDir();
// "<installStateDir()>/Log": the log files of the editor and its helpers.
QString logDir();

} // namespace KvPaths
