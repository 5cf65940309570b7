// Chess Talvor: start-up, the main loop and shutdown.
#include <QApplication>
#include <QStandardPaths>

#include "shell/talvor_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Chess Talvor");
  QApplication::setApplicationDisplayName("Chess Talvor");
  QApplication::setOrganizationName("Chess Talvor");

  AppPaths paths;
  paths.appDir = QApplication::applicationDirPath() + "/";
  paths.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
  TalvorApp talvor(paths, QApplication::arguments().mid(1));
  talvor.Start();
  const int status = QApplication::exec();
  talvor.Shutdown();
  return status;
}
