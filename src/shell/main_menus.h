// The menu tree and the toolbar of the main window. Every command is a
// QAction named after its menu item (objectName "mnFileSave"; items of a
// menu array carry their index: "mnOptionsAnimation(2)"); the toolbar's
// buttons are the same actions, keyed as the toolbar keys them.
#pragma once

#include <QHash>
#include <QString>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

struct MainMenus {
  // File
  QAction *mnFileNew, *mnFileOpen, *mnFileSave, *mnFileSaveAs, *mnFilePgn, *mnFileTags, *mnFileExit;
  // Move
  QAction *mnMoveRetract, *mnMoveDraw, *mnMoveResign, *mnMoveStart, *mnMoveBack, *mnMoveForward,
      *mnMoveEnd, *mnMoveDel, *mnMoveType, *mnMoveImport, *mnMovePaste;
  // Position
  QAction *mnPosFlip, *mnPosAnalyze, *mnPosEdit, *mnPosCopy, *mnPosPaste, *mnPosLoad, *mnPosStore;
  // Talvorry
  QAction* mnTalvorPlay;
  QMenu* mnTalvorHandicap_;
  std::array<QAction*, 7> mnTalvorHandicap;  // index 3 is a separator
  QAction *mnTalvorBlindfold, *mnTalvorReadMove, *mnTalvorReadPos;
  QMenu* mnTalvorReadLine;
  std::array<QAction*, 8> mnTalvorReadFile, mnTalvorReadRank;
  QAction *mnTalvorStopRead, *mnSearchOpening, *mnSearchPosition, *mnSearchEndgame,
      *mnTalvorPublish, *mnTalvorBitmap;
  // Challenge
  QAction* mnEndgamesStart;
  std::array<QAction*, 5> mnEndgames;
  QMenu* mnEndgamesHelp;
  QAction* mnEndgamesEndgames;
  std::array<QAction*, 3> mnEndgamesShare;
  QAction *mnEndgamesPublishYahoo, *mnEndgamesPublishOther;
  // Computer
  QAction *mnEngineLevel, *mnEngineLoad, *mnEngineSet, *mnEngineWhite, *mnEngineBlack,
      *mnEnginePonder, *mnEngineAnalyze, *mnEngineStop;
  // Options
  QAction* mnOptionsSettings;
  std::array<QAction*, 6> mnOptionsAnimation;
  QAction* mnOptionsSounds;
  std::array<QAction*, 12> mnOptionsMusic;
  QAction *mnOptionsCoordinates, *mnOptionsStatusBar, *mnOptionsTopMost;
  // Help
  QAction *mnHelpContents, *mnHelpHowTo, *mnHelpQuote;
  std::array<QAction*, 5> mnHelpShare;  // index 3 is a separator
  QAction *mnHelpUpdate, *mnHelpHome, *mnHelpEngines, *mnHelpMobile, *mnHelpBase, *mnHelpSuggest,
      *mnHelpEngine, *mnHelpAbout;

  QToolBar* tlb;
  // Toolbar buttons by key ("FileNew", "MoveBack", "EngineLevel", ...).
  QHash<QString, QAction*> buttons;
};

// Builds the menu bar and the toolbar of the window. Every command starts
// disabled; the window enables what it can carry out. iconDir holds the
// toolbar pictures, named by key.
void BuildMainMenus(QMainWindow* window, const QString& iconDir, MainMenus& menus);
