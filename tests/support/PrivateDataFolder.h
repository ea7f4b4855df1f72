#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

namespace kelvane {

// The main window opens Kelvane's database in the per-user data folder. A test that includes
// this header moves that folder (XDG_DATA_HOME) into a fresh temporary folder of its own
// before anything else runs, so that no test ever touches the user's own book.
class PrivateDataFolder {
  public:
    PrivateDataFolder() { qputenv("XDG_DATA_HOME", folder_.path().toLocal8Bit()); }

  private:
    QTemporaryDir folder_;
};

inline const PrivateDataFolder kPrivateDataFolder;

}  // namespace kelvane
