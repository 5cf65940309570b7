#include "shell/main_menus.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

// Adds a command to a menu. An empty caption adds a separator.
QAction* Add(QMenu* menu, const QString& name, const QString& caption,
             const QKeySequence& shortcut = {}) {
  if (caption == "-") {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
  }
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setEnabled(false);
  action->setIconVisibleInMenu(false);
  return action;
}

QString Indexed(const char* name, int index) {
  return QString("%1(%2)").arg(name).arg(index);
}

QAction* Checkable(QAction* action) {
  action->setCheckable(true);
  return action;
}

}  // namespace

void BuildMainMenus(QMainWindow* window, const QString& iconDir, MainMenus& m) {
  QMenuBar* bar = window->menuBar();

  QMenu* file = bar->addMenu("&File");
  file->setObjectName("mnFile");
  m.mnFileNew = Add(file, "mnFileNew", "&New Game...", QKeySequence("Ctrl+N"));
  m.mnFileOpen = Add(file, "mnFileOpen", "&Open...", QKeySequence("Ctrl+O"));
  m.mnFileSave = Add(file, "mnFileSave", "&Save", QKeySequence("Ctrl+S"));
  m.mnFileSaveAs = Add(file, "mnFileSaveAs", "Save &As...");
  file->addSeparator();
  m.mnFilePgn = Add(file, "mnFilePgn", "&View Text...", QKeySequence("Ctrl+P"));
  m.mnFileTags = Add(file, "mnFileTags", "Edit &Tags...");
  file->addSeparator();
  m.mnFileExit = Add(file, "mnFileExit", "E&xit");

  QMenu* move = bar->addMenu("&Move");
  move->setObjectName("mnMove");
  m.mnMoveRetract = Add(move, "mnMoveRetract", "Re&tract", QKeySequence("Shift+Del"));
  m.mnMoveDraw = Add(move, "mnMoveDraw", "Offer / Accept &Draw");
  m.mnMoveResign = Add(move, "mnMoveResign", "&Resign");
  move->addSeparator();
  m.mnMoveStart = Add(move, "mnMoveStart", "Back to &Start");
  m.mnMoveBack = Add(move, "mnMoveBack", "&Backward");
  m.mnMoveForward = Add(move, "mnMoveForward", "&Forward");
  m.mnMoveEnd = Add(move, "mnMoveEnd", "Forward to &End");
  move->addSeparator();
  m.mnMoveDel = Add(move, "mnMoveDel", "De&lete", QKeySequence("Del"));
  move->addSeparator();
  m.mnMoveType = Add(move, "mnMoveType", "T&ype In", QKeySequence("Ctrl+I"));
  move->addSeparator();
  m.mnMoveImport = Add(move, "mnMoveImport", "&Import from Text File...");
  m.mnMovePaste = Add(move, "mnMovePaste", "Import from &Clipboard");

  QMenu* pos = bar->addMenu("&Position");
  pos->setObjectName("mnPos");
  m.mnPosFlip = Checkable(Add(pos, "mnPosFlip", "&Rotate"));
  pos->addSeparator();
  m.mnPosAnalyze = Add(pos, "mnPosAnalyze", "&Analyze in New Window", QKeySequence("Ctrl+K"));
  m.mnPosEdit = Add(pos, "mnPosEdit", "&Edit Position...", QKeySequence("Ctrl+E"));
  pos->addSeparator();
  m.mnPosCopy = Add(pos, "mnPosCopy", "&Copy Position to Clipboard", QKeySequence("Ctrl+Ins"));
  m.mnPosPaste =
      Add(pos, "mnPosPaste", "&Paste Position from Clipboard", QKeySequence("Shift+Ins"));
  m.mnPosLoad = Add(pos, "mnPosLoad", "&Load Position from File...");
  m.mnPosStore = Add(pos, "mnPosStore", "&Save Position to File...");

  QMenu* talvor = bar->addMenu("&Talvorry");
  talvor->setObjectName("mnTalvor");
  m.mnTalvorPlay = Checkable(Add(talvor, "mnTalvorPlay", "&Demonstrate"));
  talvor->addSeparator();
  m.mnTalvorHandicap_ = talvor->addMenu("&Handicap");
  m.mnTalvorHandicap_->setObjectName("mnTalvorHandicap_");
  m.mnTalvorHandicap_->setEnabled(false);
  static const char* const kHandicaps[] = {
      "&A. Computer Offers a Knight", "&B. Computer Offers a Rook",
      "&C. Computer Offers a Queen",  "-",
      "&D. Offer Computer a Knight",  "&E. Offer Computer a Rook",
      "&F. Offer Computer a Queen"};
  for (int i = 0; i < 7; ++i)
    m.mnTalvorHandicap[i] = Add(m.mnTalvorHandicap_, Indexed("mnTalvorHandicap", i), kHandicaps[i]);
  m.mnTalvorBlindfold = Checkable(Add(talvor, "mnTalvorBlindfold", "B&lindfold"));
  talvor->addSeparator();
  m.mnTalvorReadMove =
      Checkable(Add(talvor, "mnTalvorReadMove", "Read &Move", QKeySequence("Ctrl+H")));
  m.mnTalvorReadPos = Add(talvor, "mnTalvorReadPos", "&Read Position", QKeySequence("Ctrl+J"));
  m.mnTalvorReadLine = talvor->addMenu("Read Li&ne");
  m.mnTalvorReadLine->setObjectName("mnTalvorReadLine");
  m.mnTalvorReadLine->setEnabled(false);
  for (int i = 0; i < 8; ++i) {
    const QChar from('a' + i);
    const QChar to('h' - i);
    m.mnTalvorReadFile[i] = Add(m.mnTalvorReadLine, Indexed("mnTalvorReadFile", i),
                                QString("Read File &%1/%2").arg(from).arg(to),
                                QKeySequence(QString("Ctrl+F%1").arg(i + 1)));
  }
  m.mnTalvorReadLine->addSeparator();
  for (int i = 0; i < 8; ++i) {
    m.mnTalvorReadRank[i] = Add(m.mnTalvorReadLine, Indexed("mnTalvorReadRank", i),
                                QString("Read Rank &%1/%2").arg(8 - i).arg(i + 1),
                                QKeySequence(QString("Shift+F%1").arg(8 - i)));
  }
  m.mnTalvorStopRead = Add(talvor, "mnTalvorStopRead", "S&top Reading", QKeySequence("Ctrl+U"));
  talvor->addSeparator();
  m.mnSearchOpening = Add(talvor, "mnSearchOpening", "Search &Opening");
  m.mnSearchPosition = Add(talvor, "mnSearchPosition", "&Search Position", QKeySequence("F3"));
  m.mnSearchEndgame = Add(talvor, "mnSearchEndgame", "Search &Endgame");
  talvor->addSeparator();
  m.mnTalvorPublish = Add(talvor, "mnTalvorPublish", "&Publish Game...");
  m.mnTalvorBitmap = Add(talvor, "mnTalvorBitmap", "Generate &Bitmap Picture");

  QMenu* challenge = bar->addMenu("Ch&allenge");
  challenge->setObjectName("mnEndgames_");
  m.mnEndgamesStart =
      Add(challenge, "mnEndgamesStart", "&Current Puzzle List...", QKeySequence("F5"));
  challenge->addSeparator();
  static const char* const kPuzzles[] = {"Mate in &2", "Mate in &3", "Mate in &4", "Mate in &5",
                                         "Force a &Draw"};
  for (int i = 0; i < 5; ++i)
    m.mnEndgames[i] = Add(challenge, Indexed("mnEndgames", i), kPuzzles[i]);
  challenge->addSeparator();
  m.mnEndgamesHelp = challenge->addMenu("&Help");
  m.mnEndgamesHelp->setObjectName("mnEndgamesHelp");
  m.mnEndgamesEndgames = Add(m.mnEndgamesHelp, "mnEndgamesEndgames", "&Endgame Tablebase");
  m.mnEndgamesHelp->addSeparator();
  static const char* const kShares[] = {"&Twitter", "&Facebook", "&Blogger"};
  for (int i = 0; i < 3; ++i)
    m.mnEndgamesShare[i] = Add(m.mnEndgamesHelp, Indexed("mnEndgamesShare", i), kShares[i]);
  m.mnEndgamesHelp->addSeparator();
  m.mnEndgamesPublishYahoo = Add(m.mnEndgamesHelp, "mnEndgamesPublishYahoo", "&Yahoo! Answers");
  m.mnEndgamesPublishOther = Add(m.mnEndgamesHelp, "mnEndgamesPublishOther", "&Other Websites");

  QMenu* engine = bar->addMenu("&Computer");
  engine->setObjectName("mnEngine");
  m.mnEngineLevel = Checkable(Add(engine, "mnEngineLevel", "&Level..."));
  engine->addSeparator();
  m.mnEngineLoad = Add(engine, "mnEngineLoad", "Load &Engine...");
  m.mnEngineSet = Add(engine, "mnEngineSet", "&Settings...");
  engine->addSeparator();
  m.mnEngineWhite = Checkable(Add(engine, "mnEngineWhite", "Computer &White"));
  m.mnEngineBlack = Checkable(Add(engine, "mnEngineBlack", "Computer &Black"));
  m.mnEnginePonder = Checkable(Add(engine, "mnEnginePonder", "&Ponder"));
  m.mnEngineAnalyze = Checkable(Add(engine, "mnEngineAnalyze", "Show &Analysis"));
  engine->addSeparator();
  m.mnEngineStop = Add(engine, "mnEngineStop", "S&top / Move Now", QKeySequence("Ctrl+T"));

  QMenu* options = bar->addMenu("&Options");
  options->setObjectName("mnOptions");
  m.mnOptionsSettings = Add(options, "mnOptionsSettings", "&Preferences...");
  options->addSeparator();
  QMenu* animation = options->addMenu("&Animation");
  animation->setObjectName("mnOptionsAnimation_");
  static const char* const kSpeeds[] = {"&A. None",   "&B. Fastest", "&C. Fast",
                                        "&D. Medium", "&E. Slow",    "&F. Slowest"};
  for (int i = 0; i < 6; ++i)
    m.mnOptionsAnimation[i] =
        Checkable(Add(animation, Indexed("mnOptionsAnimation", i), kSpeeds[i]));
  m.mnOptionsSounds = Checkable(Add(options, "mnOptionsSounds", "&Sound Effect"));
  QMenu* music = options->addMenu("&Music");
  music->setObjectName("mnOptionsMusic_");
  static const char* const kMusic[] = {"&A. Mute",      "&B. Express",  "&C. Funny",
                                       "&D. Bach",      "&E. Mozart 1", "&F. Mozart 4",
                                       "&G. Beethoven", "&H. Liszt",    "&I. Tschaikowsky",
                                       "&J. Dvorak",    "&K. Mario 1",  "&L. Mario 2"};
  for (int i = 0; i < 12; ++i)
    m.mnOptionsMusic[i] = Checkable(Add(music, Indexed("mnOptionsMusic", i), kMusic[i]));
  m.mnOptionsCoordinates = Checkable(Add(options, "mnOptionsCoordinates", "&Coordinates"));
  m.mnOptionsStatusBar = Checkable(Add(options, "mnOptionsStatusBar", "Status &Bar"));
  m.mnOptionsTopMost = Checkable(Add(options, "mnOptionsTopMost", "Always on &Top"));

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("mnHelp");
  m.mnHelpContents = Add(help, "mnHelpContents", "&Help Topics", QKeySequence("F1"));
  m.mnHelpHowTo = Add(help, "mnHelpHowTo", "&Tip of the Day...");
  m.mnHelpQuote = Add(help, "mnHelpQuote", "&Quote");
  help->addSeparator();
  QMenu* share = help->addMenu("Sha&re Chess Talvor");
  share->setObjectName("mnHelpShare_");
  static const char* const kHelpShares[] = {"&Twitter", "&Facebook", "&Blogger", "-",
                                            "&Other Websites"};
  for (int i = 0; i < 5; ++i)
    m.mnHelpShare[i] = Add(share, Indexed("mnHelpShare", i), kHelpShares[i]);
  help->addSeparator();
  m.mnHelpUpdate = Add(help, "mnHelpUpdate", "Check for &Updates");
  m.mnHelpHome = Add(help, "mnHelpHome", "Chess Talvor on the &Web");
  m.mnHelpEngines = Add(help, "mnHelpEngines", "&Get UCI Engines");
  m.mnHelpMobile = Add(help, "mnHelpMobile", "&Mobile Chess && Flash Chess");
  m.mnHelpBase = Add(help, "mnHelpBase", "&Chess Database");
  m.mnHelpSuggest = Add(help, "mnHelpSuggest", "&Suggestion && Feedback");
  help->addSeparator();
  m.mnHelpEngine = Add(help, "mnHelpEngine", "About UCI &Engine");
  m.mnHelpAbout = Add(help, "mnHelpAbout", "&About Chess Talvor");

  // The toolbar repeats 24 commands; separators follow the groups.
  struct Button {
    const char* key;
    const char* tooltip;
    QAction* action;
    bool separatorAfter;
  };
  const Button buttons[] = {
      {"FileNew", "New Game", m.mnFileNew, false},
      {"FileOpen", "Open", m.mnFileOpen, false},
      {"FileSave", "Save", m.mnFileSave, false},
      {"FileViewPgn", "View Text", m.mnFilePgn, false},
      {"FileEditTags", "Edit Tags", m.mnFileTags, true},
      {"MoveStart", "Back to Start", m.mnMoveStart, false},
      {"MoveBack", "Backward", m.mnMoveBack, false},
      {"MoveForward", "Forward", m.mnMoveForward, false},
      {"MoveEnd", "Forward to End", m.mnMoveEnd, false},
      {"MoveDel", "Delete", m.mnMoveDel, false},
      {"MovePaste", "Import from Clipboard", m.mnMovePaste, true},
      {"PosFlip", "Rotate", m.mnPosFlip, false},
      {"PosAnalyze", "Analyze in New Window", m.mnPosAnalyze, false},
      {"PosEdit", "Edit Position", m.mnPosEdit, true},
      {"TalvorPlay", "Demonstrate", m.mnTalvorPlay, false},
      {"SearchPosition", "Search Position", m.mnSearchPosition, false},
      {"TalvorPublish", "Publish Game", m.mnTalvorPublish, false},
      {"TalvorBitmap", "Generate Bitmap Picture", m.mnTalvorBitmap, true},
      {"EndgamesStart", "Challenge - Current Puzzle List", m.mnEndgamesStart, true},
      {"EngineLevel", "Level", m.mnEngineLevel, false},
      {"EngineWhite", "Computer White", m.mnEngineWhite, false},
      {"EngineBlack", "Computer Black", m.mnEngineBlack, false},
      {"EngineAnalyze", "Show Analysis", m.mnEngineAnalyze, false},
      {"EngineStop", "Stop / Move Now", m.mnEngineStop, false},
  };
  m.tlb = window->addToolBar("Toolbar");
  m.tlb->setObjectName("tlb");
  m.tlb->setMovable(false);
  m.tlb->setIconSize(QSize(24, 24));
  for (const Button& b : buttons) {
    b.action->setIcon(QIcon(iconDir + b.key + ".svg"));
    b.action->setToolTip(b.tooltip);
    m.tlb->addAction(b.action);
    m.buttons.insert(b.key, b.action);
    if (b.separatorAfter) m.tlb->addSeparator();
  }
}
