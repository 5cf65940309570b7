// Starting and stopping searches: the "position" and "go" commands, the
// computer's turn, pondering, and what happens to a running search when the
// user changes the game.
#include <algorithm>

#include "engine/engine.h"

QString Engine::MoveToUci(const BoardRecord& board, int32_t move) {
  return QString::fromStdString(ChessMove2Coord(board, move));
}

bool Engine::SlaveToMove() const {
  return ThinkBoard.Side == 0 ? SlaveWhite : SlaveBlack;
}

void Engine::StartSearch() {
  ThinkBoard = game_.Board;
  searchStart_ = clock_.elapsed();
  SearchDepth = 0;
  if (think_) think_->Clear();

  QString position = game_.StandardStart ? "startpos" : "fen " + game_.StartFen;
  if (game_.CurPly > 0) {
    position += " moves";
    BoardRecord scratch{};
    ChessFen2Board(scratch, game_.StartFen.toStdString());
    for (int ply = 1; ply <= game_.CurPly; ++ply) {
      position += ' ' + MoveToUci(scratch, game_.GameMoves[ply]);
      int flags = 0;
      ChessTryMove(scratch, flags, game_.GameMoves[ply]);
    }
  }

  QString go = "go";
  if (EngineState == kEnginePondering) {
    PonderMoveSan = QString::fromStdString(ChessMove2Alg(game_.Board, PonderMove));
    const QString uci = MoveToUci(ThinkBoard, PonderMove);
    int flags = 0;
    if (ChessTryMove(ThinkBoard, flags, PonderMove)) {
      if ((flags & kFlagCheck) && (flags & kFlagNoMoves)) {
        PonderMoveSan += '#';
      } else if (flags & kFlagCheck) {
        PonderMoveSan += '+';
      }
      if (game_.CurPly == 0) position += " moves";
      position += ' ' + uci;
      go += " ponder";
    }
  } else if (UserOfferedDraw) {
    go += " draw";
  }
  LegalMoveCount = ChessGenMoves(ThinkBoard);

  const bool toSlave = SlaveToMove();
  SendToEngine("position " + position, toSlave);
  const int level = settings_.Depth;
  if (EngineState == kEngineAnalysing) {
    go = "go infinite";
  } else if (level != 0) {
    go += QString(" depth %1").arg(level > 0 ? level : 2 * -level);
  } else {
    const int wtime = clocks_.TimeLeft[0] * 1000, btime = clocks_.TimeLeft[1] * 1000;
    if (!settings_.IncMode) {
      go += QString(" wtime %1 btime %2 movestogo %3")
                .arg(wtime)
                .arg(btime)
                .arg(clocks_.MovesToGo[ThinkBoard.Side]);
    } else {
      const int inc = std::max(settings_.IncTime, 0) * 1000;
      go += QString(" wtime %1 btime %2 winc %3 binc %3").arg(wtime).arg(btime).arg(inc);
    }
  }
  SendToEngine(go, toSlave);

  for (StatusPanel panel : {StatusPanel::Curr, StatusPanel::Nps, StatusPanel::Pv, StatusPanel::Msg})
    events_.SetStatusPanel(panel, {});
  events_.SetThinkingUi(true);
  SchedulePoll();  // output may already wait on the engine now addressed
}

void Engine::StopEngine() {
  const bool slave = EngineState > kEnginePonderDone && SlaveToMove();
  SendToEngine("stop", SlaveToMove());
  const long long start = clock_.elapsed();
  const int remembered = EngineState;
  EnginePipe& pipe = slave ? SlavePipe : MainPipe;
  // The engine's output is read meanwhile; the window paints but takes no input.
  for (int lines = 0; EngineState == remembered;) {
    const bool handled = PollEngine();
    if (EngineState != remembered || clock_.elapsed() - start > StopLimitMs) break;
    if (!handled) {
      pipe.WaitForOutput(10);
      loop_.ProcessPainting();
    } else if (++lines % 64 == 0) {
      loop_.ProcessPainting();
    }
  }
  if (EngineState == remembered) {
    EngineState = kEngineIdle;
    events_.SetThinkingUi(false);
  }
}

void Engine::HaltEngine() {
  if (EngineState == kEngineNone) return;
  if (EngineState > kEngineStopping) {
    EngineState = kEngineStopping;
    StopEngine();
  }
  if (EngineState != kEngineNone) EngineState = kEngineIdle;
}

void Engine::ComputerTurnStep() {
  if (EngineState != kEngineIdle) return;
  const bool computerToMove = game_.EndSide == 0 ? ComputerWhite : ComputerBlack;
  if (computerToMove && events_.SpeechIdle()) {
    if (game_.CurPly < game_.LastPly) {
      while (game_.CurPly < game_.LastPly) game_.StepForward(0, false);
      game_.view().RefreshGameView(false);
    }
    EngineState = kEngineThinking;
    StartSearch();
  } else if (!computerToMove && AnalysisShown && !ComputerWhite && !ComputerBlack) {
    EngineState = kEngineAnalysing;
    StartSearch();
  }
}

bool Engine::ComputerMoveWaiting() const {
  const bool computerToMove = game_.EndSide == 0 ? ComputerWhite : ComputerBlack;
  return EngineState == kEngineIdle && computerToMove && !events_.SpeechIdle();
}

void Engine::ViewChanged() {
  if (AnalysisShown && !ComputerWhite && !ComputerBlack) HaltEngine();
  UserOfferedDraw = false;
}

void Engine::BeforeMove(int32_t move) {
  if (EngineState <= kEngineStopping) return;
  if (EngineState == kEnginePondering && move == PonderMove) {
    SendToEngine("ponderhit", SlaveToMove());
    EngineState = kEngineThinking;
  } else {
    EngineState = kEngineStopping;
    StopEngine();
  }
}

void Engine::AfterMove(int32_t move) {
  if (EngineState != kEnginePonderDone) return;
  if (move != PonderMove) {
    EngineState = kEngineIdle;
    return;
  }
  if (settings_.AllowResign && EngineResigns) {
    events_.ResignSideToMove();
  } else if (UserOfferedDraw && EngineOffersDraw) {
    events_.AgreeDraw();
  } else {
    EngineState = kEngineIdle;
    game_.ApplyMove(PonderReply, kModeEngine, 0);
    if (settings_.AllowResign && EngineOffersDraw) events_.HandleEngineDrawOffer();
    if (EngineState == kEngineIdle && NextPonderMove != 0) {
      PonderMove = NextPonderMove;
      EngineState = kEnginePondering;
      StartSearch();
    }
  }
}

void Engine::BeforeTruncate() {
  if (EngineState == kEngineNone) return;
  if (EngineState == kEngineHalted) {
    EngineState = kEngineIdle;
  } else {
    HaltEngine();
  }
}

void Engine::BeforeNewGame(bool noEngineReset) {
  if (EngineState == kEngineNone) return;
  HaltEngine();
  if (!noEngineReset) {
    SendToEngine("ucinewgame", false);
    if (SlaveWhite || SlaveBlack) {
      SendToEngine("ucinewgame", true);
      SendToEngine("setoption name Ponder value false", true);
      SendToEngine("setoption name Ponder value false", false);
    } else {
      SendToEngine(
          QString("setoption name Ponder value ") + (settings_.AlwaysPonder ? "true" : "false"),
          false);
    }
  }
  EnableEngineCommands(true);
}
