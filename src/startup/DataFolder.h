// The data folder: the folder that holds qmp.dat, the report template and the
// files kept beside them. Every program of the planner works in it as its
// current directory, so that plain file names keep meaning "in the data folder".
#pragma once

#include <QString>

// Names the application so that QStandardPaths::AppDataLocation is exactly
// $XDG_DATA_HOME/quillmoor-planner (no organisation folder), and sets its
// version. Call right after the application object exists.
void SetApplicationIdentity();

// The user's data folder, $XDG_DATA_HOME/quillmoor-planner (by default
// ~/.local/share/quillmoor-planner). Needs SetApplicationIdentity().
QString UserDataFolder();

// The folder of the files shipped with the program (the report template):
// share/quillmoor-planner of the prefix the running program is installed in.
QString ShippedDataFolder();

// Makes Folder ready and the current directory:
// - a missing Folder is created (with its parents) and gets an empty data
//   file, so that the first start finds a data file with no trips;
// - a missing report template is copied from ShippedFolder (an existing one,
//   which the user may have changed, is kept).
// Returns an error text for the user, or an empty string on success.
QString EnterDataFolder(const QString& Folder, const QString& ShippedFolder);
