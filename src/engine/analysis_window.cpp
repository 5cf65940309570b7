#include "engine/analysis_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "shell/window_utils.h"

namespace {

constexpr int kTwipsPerPixel = 15;
// Rows kept: a long analysis must not grow without bound.
constexpr int kMaxRows = 5000;
// Lines wait at most this long before they are shown.
constexpr int kShowDelayMs = 40;

}  // namespace

AnalysisWindow::AnalysisWindow(Settings& settings, QWidget* owner)
    : QWidget(owner, Qt::Tool), settings_(settings), owner_(owner) {
  setObjectName("frmThink");
  setWindowTitle("Depth  Score  Principal Variation");
  setAttribute(Qt::WA_DeleteOnClose, false);
  txtThink = new QPlainTextEdit(this);
  txtThink->setObjectName("txtThink");
  txtThink->setReadOnly(true);
  txtThink->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtThink->setMaximumBlockCount(kMaxRows);
  txtThink->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(txtThink);
  resize(settings.ThinkWidth / kTwipsPerPixel, settings.ThinkHeight / kTwipsPerPixel);
  Dock();
  if (owner_) owner_->installEventFilter(this);
  if (settings.TopMost) SetTopMost(this, true);
  showTimer_.setSingleShot(true);
  showTimer_.setInterval(kShowDelayMs);
  connect(&showTimer_, &QTimer::timeout, this, [this] { ShowPending(); });
}

AnalysisWindow::~AnalysisWindow() {
  if (owner_) owner_->removeEventFilter(this);
}

void AnalysisWindow::Clear() {
  pending_.clear();
  txtThink->clear();
}

void AnalysisWindow::Append(const QString& text) {
  pending_ << text;
  if (pending_.size() > kMaxRows) pending_.removeFirst();
  if (!showTimer_.isActive()) showTimer_.start();
}

void AnalysisWindow::ShowPending() {
  if (pending_.isEmpty()) return;
  txtThink->appendPlainText(pending_.join('\n'));
  pending_.clear();
  QTextCursor cursor = txtThink->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::StartOfBlock);
  txtThink->setTextCursor(cursor);
}

QString AnalysisWindow::Text() {
  ShowPending();
  return txtThink->toPlainText();
}

void AnalysisWindow::Dock() {
  if (!owner_) return;
  docking_ = true;
  move(owner_->x() + settings_.ThinkLeft / kTwipsPerPixel,
       owner_->y() + settings_.ThinkTop / kTwipsPerPixel);
  docking_ = false;
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
  settings_.ThinkWidth = width() * kTwipsPerPixel;
  settings_.ThinkHeight = height() * kTwipsPerPixel;
  if (owner_) owner_->removeEventFilter(this);
  event->accept();
  emit closed();
}

void AnalysisWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // The user moved the window: it keeps the new offset from now on.
  if (!docking_ && owner_ && isVisible()) {
    settings_.ThinkLeft = (x() - owner_->x()) * kTwipsPerPixel;
    settings_.ThinkTop = (y() - owner_->y()) * kTwipsPerPixel;
  }
}

bool AnalysisWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == owner_ && event->type() == QEvent::Move) Dock();
  return QWidget::eventFilter(watched, event);
}
