// The analysis window: the engine's depth, score and main line, one row per
// report, under the caption that heads the columns. It keeps its size and
// its offset from the main window in the settings and travels with the main
// window.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "shell/settings.h"

class QPlainTextEdit;

class AnalysisWindow : public QWidget {
  Q_OBJECT

 public:
  // owner: the main window, whose moves the window follows.
  AnalysisWindow(Settings& settings, QWidget* owner);
  ~AnalysisWindow() override;

  void Clear();
  // Adds one line and scrolls to it. Lines arriving in a burst are shown
  // together a moment later, so a flood of engine output stays cheap.
  void Append(const QString& text);
  // The text shown, with any lines still to be shown.
  QString Text();

  QPlainTextEdit* txtThink;

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Dock();
  void ShowPending();

  Settings& settings_;
  QWidget* owner_;
  bool docking_ = false;  // the program itself is moving the window
  QStringList pending_;
  QTimer showTimer_;
};
