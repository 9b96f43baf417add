#pragma once
// The user's own index file while games are added to it: the corner tables of
// corner_index_db.h and the table held_games (fingerprint) of every game it
// counts, so that a game read again, from any folder, counts once. All that
// is added becomes part of the file only with Commit.

#include <QByteArray>
#include <QString>
#include <memory>

struct CornerIndex;

class OwnIndexFile {
 public:
  // Opens (or makes) the file at path for adding; Error() says why not.
  explicit OwnIndexFile(const QString& path);
  ~OwnIndexFile();
  OwnIndexFile(const OwnIndexFile&) = delete;
  OwnIndexFile& operator=(const OwnIndexFile&) = delete;

  bool IsOpen() const { return state_ != nullptr; }
  // The last failure, as a Japanese sentence naming the file; empty without one.
  const QString& Error() const { return error_; }

  // Takes the game's fingerprint: false when the file holds it already.
  bool HoldGame(const QByteArray& fingerprint);
  // Adds the tally's counts; false on failure (Error()).
  bool Merge(const CornerIndex& tally);
  // How many games the file holds.
  int HeldGames() const;
  // Makes everything added part of the file; false on failure (Error()).
  bool Commit();

 private:
  struct State;
  std::unique_ptr<State> state_;
  QString path_;
  QString error_;

  void Failed(const QString& what);
};
