#include "game/game.h"

#include <QStringList>
#include <chrono>
#include <vector>

#include "shell/text_utils.h"

namespace {

GameView gNoView;
EngineLink gNoEngine;
PlayLink gNoPlay;

}  // namespace

double PlayLink::Now() const {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

Game::Game(const Settings& settings, Gateways& ui, const EcoTable& eco)
    : settings_(settings),
      ui_(ui),
      eco_(eco),
      view_(&gNoView),
      engine_(&gNoEngine),
      play_(&gNoPlay) {
  StartFen = QString(kStandardFen) + " 0 1";
  ChessFen2Board(Board, StartFen.toStdString());
}

void Game::SetLinks(GameView* view, EngineLink* engine, PlayLink* play) {
  view_ = view ? view : &gNoView;
  engine_ = engine ? engine : &gNoEngine;
  play_ = play ? play : &gNoPlay;
}

bool Game::ApplyMove(int32_t move, int mode, int nag) {
  // The board holds at most kMaxPlies moves: at the limit it cannot even
  // try one more, so the limit is reported before the move is tested.
  if (CurPly >= kMaxPlies) return RefuseAtLimit(mode);
  int flags = 0;
  if (!ChessTryMove(Board, flags, move)) {
    if (mode == kModeTyped || mode == kModeEngine ||
        (mode == kModeClick && (flags & kFlagOwnPiece)))
      ui_.PlaySound("ILLEGAL");
    return false;
  }
  ChessUndoMove(Board);

  engine_->BeforeMove(move);

  if (CurPly < LastPly) {
    if (!AskToClearLaterMoves()) return false;
    TruncateGame();
  }

  if (MoveNumber >= kMoveNumberLimit || LastPly >= kMaxPlies) return RefuseAtLimit(mode);

  play_->MoveRecorded(EndSide);
  LastMoveTime = play_->Now();
  ++LastPly;
  EndSide = 1 - EndSide;
  GameMoves[LastPly] = move;
  GameNags[LastPly] = nag;

  QString san = QString::fromStdString(ChessMove2Alg(Board, move));
  if ((flags & kFlagCheck) && (flags & kFlagNoMoves)) {
    san += '#';
  } else if (flags & kFlagCheck) {
    san += '+';
  }
  GameSan[LastPly] = san;
  view_->InsertMoveLine(LastPly, MoveListLine(*this, LastPly));

  if (mode == kModeSilent) {
    StepForward(0, false);
  } else {
    StepForward(settings_.MoveDelay * 4, false);
    view_->RefreshGameView(false);
  }
  LookupOpening();
  ReportEndOfGame(flags, mode);
  engine_->AfterMove(move);
  return true;
}

void Game::ReportEndOfGame(int flags, int mode) {
  const bool silent = mode == kModeSilent;
  if ((flags & kFlagNoMoves) && (flags & kFlagCheck)) {
    // SideToMove is the side that is mated.
    GameResult = SideToMove == 1 ? 1 : 3;
    play_->ShowGameEnded();
    if (silent) return;
    MatedKingSquare = FindKingSquare();
    const bool computerWon = play_->ComputerPlays(1 - SideToMove);
    play_->AnnounceResult(SideToMove == 1 ? "White wins." : "Black wins.",
                          computerWon ? MsgIcon::Loss : MsgIcon::Win);
    return;
  }
  if (flags & kFlagNoMoves) {
    GameResult = 2;
    play_->ShowGameEnded();
    if (!silent) play_->AnnounceResult("Draw by stalemate.", MsgIcon::Draw);
    return;
  }
  if (!silent) {
    QString sound = "MOVE";
    if (flags & kFlagCheck) {
      sound = "CHECK";
    } else if (flags & (kFlagCastling | kFlagEnPassant | kFlagPromotion)) {
      sound = "SPECIAL";
    } else if (flags & kFlagCapture) {
      sound = "CAPTURE";
    }
    ui_.PlaySound(mode == kModeEngine ? sound + "2" : sound);
  }
  if (flags & (kFlagRepetition | kFlagFiftyMoves | kFlagInsufficient)) {
    GameResult = 2;
    play_->ShowGameEnded();
    if (silent) return;
    QString message = "Draw.";
    if (flags & kFlagRepetition) {
      message = "Draw by threefold repetition.";
    } else if (flags & kFlagFiftyMoves) {
      message = "Draw by the fifty-move rule.";
    } else if (flags & kFlagInsufficient) {
      message = "Draw by insufficient material.";
    }
    play_->AnnounceResult(message, MsgIcon::Draw);
  }
}

bool Game::RefuseAtLimit(int mode) {
  if (mode != kModeSilent)
    ui_.MessageBoxWithIcon("Counter limit exceeded.", MsgButtons::Ok, {}, MsgIcon::Warning);
  return false;
}

bool Game::AskToClearLaterMoves() {
  return ui_.MessageBoxWithIcon("This will clear all later moves.\n\nDo you want to continue?",
                                MsgButtons::YesNo, {}, MsgIcon::Question) == MsgAnswer::Yes;
}

void Game::RedrawMoveSquares(int32_t move, int flags, int moverSide) {
  const int from = MoveFrom(move);
  const int to = MoveTo(move);
  view_->DrawSquare(to, false, false);
  view_->DrawSquare(from, false, false);
  if (flags & kFlagCastling) {
    view_->DrawSquare(to + 1, false, false);
    view_->DrawSquare(from < to ? to - 1 : to - 2, false, false);
  }
  if (flags & kFlagEnPassant) view_->DrawSquare(moverSide == 0 ? to + 16 : to - 16, false, false);
}

void Game::StepForward(int steps, bool sounds) {
  ++CurPly;
  const int32_t move = GameMoves[CurPly];
  if (steps > 0 && !settings_.Blindfold) view_->AnimateMove(MoveFrom(move), MoveTo(move), steps);
  int flags = 0;
  ChessTryMove(Board, flags, move);
  RedrawMoveSquares(move, flags, SideToMove);
  MoveNumber += SideToMove;
  SideToMove = 1 - SideToMove;
  if (!sounds) return;
  if ((flags & kFlagNoMoves) && (flags & kFlagCheck)) {
    ui_.PlaySound("LOSS");
    if (const int king = FindKingSquare(); king > 0) view_->DrawSquare(king, false, true);
  } else if (flags & kFlagNoMoves) {
    ui_.PlaySound("DRAW");
  } else if (flags & kFlagCheck) {
    ui_.PlaySound("CHECK2");
  } else if (flags & kFlagCapture) {
    ui_.PlaySound("CAPTURE2");
  } else {
    ui_.PlaySound("MOVE2");
  }
}

void Game::StepBack() {
  const int32_t move = GameMoves[CurPly];
  const int flags = ChessUndoMove(Board);
  // The mover of the ply taken back is the side to move once it is gone.
  RedrawMoveSquares(move, flags, 1 - SideToMove);
  --CurPly;
  SideToMove = 1 - SideToMove;
  MoveNumber -= SideToMove;
}

void Game::GoToPly(int ply) {
  while (CurPly > ply && CurPly > 0) StepBack();
  while (CurPly < ply && CurPly < LastPly) StepForward(0, false);
}

void Game::TruncateGame() {
  engine_->BeforeTruncate();
  for (int i = LastPly; i > CurPly; --i) {
    view_->RemoveMoveLine(i);
    GameComments[i].clear();
  }
  EndSide = SideToMove;
  LastPly = CurPly;
}

void Game::NewGame(bool keepTags, bool noEngineReset) {
  engine_->BeforeNewGame(noEngineReset);
  StartFen = QString(kStandardFen) + " 0 1";
  ChessFen2Board(Board, StartFen.toStdString());
  view_->RefreshCaption();
  view_->SetSaveEnabled(false);
  if (!keepTags) {
    for (QString* tag :
         {&TagEvent, &TagSite, &TagDate, &TagRound, &TagWhite, &TagWhiteElo, &TagBlack,
          &TagBlackElo, &TagEco, &TagOpening, &TagVariation, &TagSubVariation})
      tag->clear();
    GameResult = 0;
    StartSide = 0;
    StartMoveNumber = 1;
    SideToMove = 0;
    MoveNumber = 1;
    EcoLookup = true;
  }
  CurPly = 0;
  StandardStart = true;
  TruncateGame();
  GameComments[0].clear();
  view_->SetMoveLine(0, kStartLine);
  GameModified = false;
  MatedKingSquare = 0;
  view_->ResetViewForNewGame();
  play_->NewGameStarted();
  LastMoveTime = play_->Now();
}

void Game::LoadPosition(const QString& text, bool noEngineReset) {
  if (text.isEmpty()) return;
  QString fen = text;
  fen.remove('\r');
  fen.remove('\n');
  GameFileName.clear();
  NewGame(false, noEngineReset);
  StandardStart = false;
  StartFen = fen;
  if (!ChessFen2Board(Board, fen.toStdString())) {
    // The library leaves an empty board; record what the board holds, so
    // that a saved game or an engine never gets the unreadable text.
    StartFen = QString::fromStdString(ChessBoard2Fen(Board)) + " 0 1";
  }
  SideToMove = Board.Side;
  const int zero = fen.indexOf(" 0 ");
  MoveNumber = zero < 0 ? 1 : ClampValue(fen.mid(zero + 3), 1, 999);
  StartSide = SideToMove;
  StartMoveNumber = MoveNumber;
  EndSide = SideToMove;
  view_->RedrawBoard();
  view_->RefreshGamePanel();
  view_->RefreshGameView(false);
}

void Game::LookupOpening() {
  if (!EcoLookup || !StandardStart || LastPly >= 64) return;
  std::vector<int32_t> moves(GameMoves.begin() + 1, GameMoves.begin() + 1 + LastPly);
  moves.push_back(0);
  const auto found = ChessSearchEco(eco_, moves);
  if (!found) return;
  const QStringList fields = QString::fromStdString(*found).split('|');
  if (fields.size() != 4) return;
  TagEco = fields[0];
  TagOpening = fields[1];
  TagVariation = fields[2];
  TagSubVariation = fields[3];
  view_->RefreshOpeningLabel();
}

int Game::FindKingSquare() const {
  const int king = SideToMove == 0 ? 8 : 16;
  for (int square = 0; square < 128; ++square)
    if (Board.Squares[square] == king) return square;
  return 0;
}

void Game::MarkGameModified() {
  GameModified = true;
  view_->SetSaveEnabled(true);
}
