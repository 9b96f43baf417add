#pragma once
// Reading the joseki sources: every *.sgf under data/joseki/, one joseki per
// game tree. Problems of form (a bad coordinate, colours out of turn, a
// variation) are collected as errors naming the file and the joseki; rules of
// play and of the collection are checked by joseki_validator.h.

#include <QString>
#include <QStringList>
#include <vector>

#include "collection_builder/joseki.h"
#include "collection/sgf_parser.h"

struct JosekiReadResult {
  std::vector<Joseki> joseki;
  QStringList errors;
  QStringList warnings;
};

// SGF point "dc" -> column 4, row 3; "" and "tt" -> tenuki. False for anything else.
bool ParseSgfMove(const QString& value, BoardPoint& point);
// The SGF letters of a point ("dc"), "tt" for a tenuki.
QString SgfPointText(const BoardPoint& point);

// One SGF game tree as a joseki; fileLabel and number go into every message.
void ReadJosekiTree(const SgfTree& tree, const QString& fileLabel, int number,
                    JosekiReadResult& result);

// Every joseki of one SGF text.
void ReadJosekiText(const QString& text, const QString& fileLabel, JosekiReadResult& result);

// Every *.sgf under dir (subfolders included), sorted by relative path; files
// are labelled "<labelPrefix><relative path>".
JosekiReadResult ReadJosekiDirectory(const QString& dir, const QString& labelPrefix);
