#pragma once
// One prepared SQLite statement with its parameters bound in order; the
// progress file's queries are written with it.

#include <sqlite3.h>

#include <QString>
#include <memory>

class SqlStatement {
 public:
  SqlStatement(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (db && sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) == SQLITE_OK) statement_.reset(raw);
  }
  bool prepared() const { return statement_ != nullptr; }

  SqlStatement& Bind(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (statement_)
      sqlite3_bind_text(statement_.get(), ++bound_, utf8.constData(), int(utf8.size()),
                        SQLITE_TRANSIENT);
    return *this;
  }
  SqlStatement& Bind(long long value) {
    if (statement_) sqlite3_bind_int64(statement_.get(), ++bound_, value);
    return *this;
  }

  // The next row; false at the end or on an error (then failed() is true).
  bool Step() {
    if (!statement_) return false;
    const int result = sqlite3_step(statement_.get());
    failed_ = result != SQLITE_ROW && result != SQLITE_DONE;
    return result == SQLITE_ROW;
  }
  // Runs a statement that returns no rows; true when it succeeded.
  bool Run() {
    Step();
    return statement_ && !failed_;
  }
  bool failed() const { return failed_ || !statement_; }

  long long Integer(int column) const { return sqlite3_column_int64(statement_.get(), column); }
  QString Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement_.get(), column));
  }

 private:
  struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  std::unique_ptr<sqlite3_stmt, Finalize> statement_;
  int bound_ = 0;
  bool failed_ = false;
};
