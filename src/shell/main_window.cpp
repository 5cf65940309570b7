#include "shell/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>

#include "board/board_view.h"

namespace {

QLabel* Label(QWidget* parent, const QString& name, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLabel* TitleLabel(QWidget* parent, const QString& name) {
  QLabel* label = Label(parent, name);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

}  // namespace

MainWindow::MainWindow(const PiecePictures& pictures, MainLoop& loop, const QString& imagesDir) {
  setObjectName("frmMain");
  BuildMainMenus(this, imagesDir + "TOOLBAR/", menus);

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->setContentsMargins(4, 4, 4, 4);

  auto* left = new QVBoxLayout;
  board = new BoardView(pictures, loop, central);
  left->addWidget(board, 1);
  lblOpen = TitleLabel(central, "lblOpen");
  lblOpen->setCursor(Qt::PointingHandCursor);
  lblOpen->installEventFilter(this);
  left->addWidget(lblOpen);
  txtMove = new QLineEdit(central);
  txtMove->setObjectName("txtMove");
  txtMove->setPlaceholderText("Type a move and press Enter");
  left->addWidget(txtMove);
  columns->addLayout(left, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(BuildClockPanel(up, "Up"));
  lblEvent = TitleLabel(central, "lblEvent");
  lblResult = TitleLabel(central, "lblResult");
  QFont bold = lblResult->font();
  bold.setBold(true);
  lblResult->setFont(bold);
  lblSiteDate = TitleLabel(central, "lblSiteDate");
  right->addWidget(lblEvent);
  right->addWidget(lblResult);
  right->addWidget(lblSiteDate);
  lstMoveText = new QListWidget(central);
  lstMoveText->setObjectName("lstMoveText");
  lstMoveText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  right->addWidget(lstMoveText, 1);
  cmbAnnotation = new QComboBox(central);
  cmbAnnotation->setObjectName("cmbAnnotation");
  cmbAnnotation->setToolTip("Annotation of the move shown");
  right->addWidget(cmbAnnotation);
  txtComment = new QPlainTextEdit(central);
  txtComment->setObjectName("txtComment");
  txtComment->setPlaceholderText("Comment");
  txtComment->setFixedHeight(72);
  right->addWidget(txtComment);
  right->addWidget(BuildClockPanel(down, "Down"));
  auto* panel = new QWidget(central);
  panel->setLayout(right);
  panel->setFixedWidth(260);
  columns->addWidget(panel);
  setCentralWidget(central);

  stbCurr = Label(this, "Curr");
  stbNps = Label(this, "Nps");
  stbPv = Label(this, "Pv");
  stbMsg = Label(this, "Msg");
  statusBar()->setObjectName("stb");
  statusBar()->addWidget(stbCurr);
  statusBar()->addWidget(stbNps);
  statusBar()->addWidget(stbPv, 1);
  statusBar()->addWidget(stbMsg);
}

QWidget* MainWindow::BuildClockPanel(ClockPanel& panel, const char* side) {
  auto* box = new QWidget(this);
  box->setObjectName(QString("clockPanel") + side);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  panel.icon = Label(box, QString("img") + side);
  panel.icon->setFixedSize(36, 36);
  panel.icon->setAlignment(Qt::AlignCenter);
  panel.title = Label(box, QString("lblTimeLeft") + side + "1");
  panel.value = Label(box, QString("lblTimeLeft") + side);
  QFont large = panel.value->font();
  large.setBold(true);
  large.setPointSizeF(large.pointSizeF() * 1.3);
  panel.value->setFont(large);
  panel.rule = Label(box, QString("lblTimeRule") + side);
  QLabel* elapsedTitle = Label(box, QString("lblTimeElapsed") + side + "1", "Elapsed");
  panel.elapsed = Label(box, QString("lblTimeElapsed") + side, "00:00:00");
  grid->addWidget(panel.icon, 0, 0, 2, 1);
  grid->addWidget(panel.title, 0, 1);
  grid->addWidget(panel.value, 0, 2);
  grid->addWidget(elapsedTitle, 1, 1);
  grid->addWidget(panel.elapsed, 1, 2);
  grid->addWidget(panel.rule, 2, 1, 1, 2);
  grid->setColumnStretch(2, 1);
  return box;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (onClose && !onClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (onResize) onResize();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblOpen && event->type() == QEvent::MouseButtonRelease) {
    emit OpeningClicked();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}
