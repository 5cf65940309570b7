// Reading the engines' output: best moves become moves on the board, held
// ponder replies or state changes; info lines fill the status panels and the
// analysis window; an engine that ends is reported.
#include "engine/engine.h"
#include "engine/info_line.h"

namespace {

bool EndsWith(const QString& line, const char* suffix) {
  return line.endsWith(QLatin1String(suffix));
}

// The coordinate move after " ponder ", 0 when the line has none.
int32_t PonderMoveOf(const QString& line) {
  const qsizetype at = line.indexOf(QLatin1String(" ponder "));
  return at < 0 ? 0 : ChessCoord2Move(line.mid(at + 8, 5).toStdString());
}

}  // namespace

bool Engine::PollEngine() {
  if (EngineState == kEngineNone) return false;
  const bool slave = EngineState > kEnginePonderDone && SlaveToMove();
  EnginePipe& pipe = slave ? SlavePipe : MainPipe;
  const auto line = pipe.PipeLineInput();
  if (!line) {
    if (pipe.PipeEof()) EngineEnded(slave);
    return false;
  }
  LogEngineLine(*line, slave);
  // Engines without a move answer "(none)" or "0000".
  if (line->startsWith(QLatin1String("bestmove 0000")) ||
      line->startsWith(QLatin1String("bestmove (none)"))) {
    events_.SetThinkingUi(false);
    if (EngineState == kEngineStopping || EngineState == kEnginePondering) {
      EngineState = kEngineIdle;
    } else if (EngineState == kEngineAnalysing || EngineState == kEngineThinking) {
      EngineState = kEngineHalted;
    }
    events_.SetStatusPanel(StatusPanel::Curr, {});
    return true;
  }
  if (line->startsWith(QLatin1String("bestmove "))) {
    HandleBestMove(*line);
    events_.SetStatusPanel(StatusPanel::Curr, {});
    return true;
  }
  if (line->startsWith(QLatin1String("info ")) && !line->startsWith(QLatin1String("info string ")))
    ParseInfo(*line);
  return true;
}

void Engine::HandleBestMove(const QString& line) {
  events_.SetThinkingUi(false);
  const int32_t move = ChessCoord2Move(line.mid(9, 5).toStdString());
  switch (EngineState) {
    case kEngineStopping:
      EngineState = kEngineIdle;
      break;
    case kEngineAnalysing:
      EngineState = kEngineHalted;
      break;
    case kEngineThinking: {
      while (game_.CurPly < game_.LastPly) game_.StepForward(0, false);
      if (settings_.MoveDelay > 0) loop_.Wait(settings_.MoveDelay * 800);
      if (settings_.AllowResign && EndsWith(line, " resign")) {
        events_.ResignSideToMove();
      } else if (UserOfferedDraw && EndsWith(line, " draw")) {
        events_.AgreeDraw();
      } else {
        EngineState = kEngineIdle;
        if (!game_.ApplyMove(move, kModeEngine, 0)) {
          EngineState = kEngineHalted;
          break;
        }
        events_.FocusMainWindow();
        if (settings_.AllowResign && EndsWith(line, " draw")) events_.HandleEngineDrawOffer();
        if (EngineState == kEngineIdle && PonderOn) {
          if (const int32_t ponder = PonderMoveOf(line)) {
            PonderMove = ponder;
            EngineState = kEnginePondering;
            StartSearch();
          }
        }
      }
      break;
    }
    case kEnginePondering:
      PonderReply = move;
      NextPonderMove = PonderMoveOf(line);
      EngineResigns = EndsWith(line, " resign");
      EngineOffersDraw = EndsWith(line, " draw");
      EngineState = kEnginePonderDone;
      break;
    default:  // a late answer after the stop limit
      break;
  }
}

void Engine::ParseInfo(const QString& line) {
  const InfoLine info = ParseInfoLine(line);
  const long long elapsed = ElapsedMs();
  if (info.currMove)
    events_.SetStatusPanel(StatusPanel::Curr, CurrText(SearchDepth, info.currMoveNumber,
                                                       LegalMoveCount, ThinkBoard, *info.currMove));
  if (info.nodes)
    if (const auto nps = NpsText(*info.nodes, elapsed))
      events_.SetStatusPanel(StatusPanel::Nps, *nps);
  if (info.depth) {
    SearchDepth = *info.depth;
    if (info.exactScore) {
      if (SearchDepth > 0 && AnalysisShown && settings_.EngineTime)
        AppendAnalysis(TimeStampText(elapsed));
      const QString text = PvText(SearchDepth, info.score, ThinkBoard, info.pv,
                                  EngineState == kEnginePondering ? &PonderMoveSan : nullptr);
      if (SearchDepth > 0) {
        events_.SetStatusPanel(StatusPanel::Pv, text);
        if (AnalysisShown) AppendAnalysis(text);
      }
    }
  }
  if (info.message) {
    events_.SetStatusPanel(StatusPanel::Msg, *info.message);
    if (AnalysisShown) AppendAnalysis(*info.message);
  }
}

void Engine::AppendAnalysis(const QString& text) {
  if (think_) think_->Append(text);
}

void Engine::EngineEnded(bool slave) {
  // The state is settled before the message box, which runs an event loop.
  if (slave) {
    SlavePipe.PipeClose();
    SlaveWhite = SlaveBlack = false;
    EngineState = kEngineIdle;
    events_.SetThinkingUi(false);
    ui_.MessageBoxWithIcon("Slave engine quits abnormally!", MsgButtons::Ok, {}, MsgIcon::Warning);
    events_.RequestTick();  // the main engine takes over the slave's colour
    return;
  }
  MainPipe.PipeClose();
  if (SlaveWhite || SlaveBlack) UnloadSlaveEngine();
  EngineState = kEngineNone;
  events_.SetThinkingUi(false);
  ui_.MessageBoxWithIcon("Engine quits abnormally!", MsgButtons::Ok, {}, MsgIcon::Warning);
  EnableEngineCommands(false);
}
