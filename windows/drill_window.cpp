#include "windows/drill_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "windows/drill_board.h"
#include "windows/fonts.h"

namespace {
QLabel* TextLabel(QWidget* parent, const QRect& geometry, const QFont& font) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}
}  // namespace

DrillWindow::DrillWindow(const ProgramFolder& folder, const QString& progressPath,
                         MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(std::make_unique<ProgressStore>(progressPath)),
      model_(std::make_unique<DrillModel>(folder, *store_, messages, std::random_device{}(),
                                          [] { return QDate::currentDate(); })) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"定石練習"_qs);
  setFixedSize(860, 453);
  const QFont font(QString::fromUtf16(kProportionalGothic), 10);

  auto* board = new DrillBoard(model_->canvas(), this);
  board->move(8, 8);
  board->onClick = [this](double x, double y) {
    model_->Click(x, y);
    Sync();
  };
  board_ = board;

  auto* deckLabel = TextLabel(this, {436, 10, 40, 20}, font);
  deckLabel->setText(u"出題"_qs);
  deckChoice_ = new QComboBox(this);
  deckChoice_->setGeometry(476, 8, 376, 24);
  deckChoice_->setFont(font);
  auto* limitLabel = TextLabel(this, {436, 40, 200, 20}, font);
  limitLabel->setText(u"1日の新しい定石の数"_qs);
  dailyLimit_ = new QSpinBox(this);
  dailyLimit_->setGeometry(636, 38, 80, 24);
  dailyLimit_->setRange(0, 999);
  deckText_ = TextLabel(this, {436, 68, 416, 20}, font);
  prompt_ = TextLabel(this, {436, 92, 416, 40}, font);
  result_ = TextLabel(this, {436, 136, 416, 60}, font);
  commentary_ = TextLabel(this, {436, 198, 416, 80}, font);

  nextButton_ = AddButton(u"次の定石 (N)"_qs, Qt::Key_N, &DrillModel::NextLine);
  continueButton_ = AddButton(u"続ける (Space)"_qs, Qt::Key_Space, &DrillModel::Continue);
  answerButton_ = AddButton(u"答え (H)"_qs, Qt::Key_H, &DrillModel::ShowAnswer);
  elsewhereButton_ = AddButton(u"手抜き (T)"_qs, Qt::Key_T, &DrillModel::PlayElsewhere);
  int x = 436;
  nextButton_->setObjectName(u"next"_qs);
  continueButton_->setObjectName(u"continue"_qs);
  answerButton_->setObjectName(u"answer"_qs);
  elsewhereButton_->setObjectName(u"elsewhere"_qs);
  for (QPushButton* button : {nextButton_, continueButton_, answerButton_, elsewhereButton_}) {
    button->setGeometry(x, 282, 100, 26);
    button->setFont(font);
    x += 104;
  }
  gameFolderButton_ = new QPushButton(u"棋譜フォルダを読む (G)"_qs, this);
  gameFolderButton_->setGeometry(436, 312, 200, 26);
  gameFolderButton_->setFont(font);
  gameFolderButton_->setFocusPolicy(Qt::NoFocus);
  chooseGameFolder = [](QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, u"自分の対局の棋譜フォルダ"_qs);
  };
  connect(gameFolderButton_, &QPushButton::clicked, this, [this] {
    const QString folder = chooseGameFolder(this);
    if (folder.isEmpty()) return;
    model_->ReadGameFolder(folder);
    Sync();
  });
  auto* folderKey = new QShortcut(Qt::Key_G, this);
  connect(folderKey, &QShortcut::activated, gameFolderButton_, &QPushButton::click);
  progress_ = TextLabel(this, {436, 344, 416, 102}, font);

  model_->Load();
  deckChoice_->addItems(model_->DeckNames());
  deckChoice_->setCurrentIndex(model_->deckIndex());
  connect(deckChoice_, &QComboBox::activated, this, [this](int index) {
    model_->ChooseDeck(index);
    Sync();
    board_->setFocus();
  });
  dailyLimit_->setValue(model_->view().dailyNewLimit);
  connect(dailyLimit_, &QSpinBox::valueChanged, this, [this](int limit) {
    model_->SetDailyNewLimit(limit);
    Sync();
  });
  Sync();
  board_->setFocus();
}

DrillWindow::~DrillWindow() = default;

// A key clicks its button, so that it is off while the button is.
QPushButton* DrillWindow::AddButton(const QString& caption, const QKeySequence& key,
                                    void (DrillModel::*handler)()) {
  auto* button = new QPushButton(caption, this);
  button->setFocusPolicy(Qt::NoFocus);
  connect(button, &QPushButton::clicked, this, [this, handler] {
    ((*model_).*handler)();
    Sync();
  });
  auto* shortcut = new QShortcut(key, this);
  connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
  return button;
}

void DrillWindow::Sync() {
  const DrillView& view = model_->view();
  deckText_->setText(view.deck);
  prompt_->setText(view.prompt);
  result_->setText(view.result);
  commentary_->setText(WithNumbersKeptWhole(view.commentary));
  progress_->setText(view.progress);
  continueButton_->setEnabled(view.canContinue);
  answerButton_->setEnabled(view.canAnswer);
  elsewhereButton_->setEnabled(view.canAnswer);
  nextButton_->setEnabled(view.canStartNext);
}
