#include "shell/form4.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include "board/end_notice.h"
#include "shell/display_widget.h"
#include "shell/fonts.h"
#include "shell/messages.h"

namespace {
QLabel* AddLabel(QWidget* parent, QRect geometry, double pointSize) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setFont(QFont(QString::fromUtf16(kProportionalGothic)));
  QFont font = label->font();
  font.setPointSizeF(pointSize);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

void SetFontSize(QLabel* label, double pointSize) {
  QFont font = label->font();
  if (font.pointSizeF() == pointSize) return;
  font.setPointSizeF(pointSize);
  label->setFont(font);
}

QLabel* AddNotice(QWidget* parent, QPoint position) {
  auto* image = new QLabel(parent);
  const QPixmap picture = QPixmap::fromImage(EndNoticePicture());
  image->setPixmap(picture);
  image->setGeometry(QRect(position, picture.size()));
  image->hide();
  return image;
}
}  // namespace

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"定石表示"_qs);
  setFixedSize(878, 680);

  Display = new DisplayWidget(model.canvas, this);
  Display->move(10, 10);
  Display->onMouseMove = [this](double x, double y) { model.Display_MouseMove(x, y); };
  Display->onClick = [this] { Run([this] { model.Display_Click(); }); };

  List1 = new QListWidget(this);
  List1->setGeometry(264, 456, 257, 184);
  List1->setFont(QFont(QString::fromUtf16(kProportionalGothic), 10));
  connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) Run([this, row] { model.SelectListLine(row); });
  });
  // A click on the line already selected draws its joseki again (the search
  // input may have cleared the right board); a click that changes the line has
  // drawn it through the change above.
  List1->viewport()->installEventFilter(this);
  connect(List1, &QListWidget::clicked, this, [this](const QModelIndex& index) {
    if (index.row() == rowBeforePress_)
      Run([this, row = index.row()] { model.SelectListLine(row); });
  });

  Label2 = AddLabel(this, {8, 456, 241, 153}, 11.25);
  Label1 = AddLabel(this, {664, 456, 201, 105}, 11.25);
  Label3 = AddLabel(this, {8, 652, 500, 20}, 9);

  Command2 = AddButton(u"棋譜の表示"_qs, {680, 560, 73, 25}, &BoardWindow::Command2_Click);
  Command3 = AddButton(u"１手進む"_qs, {680, 592, 73, 25}, &BoardWindow::Command3_Click);
  Command20 = AddButton(u"１手戻る"_qs, {680, 624, 73, 25}, &BoardWindow::Command20_Click);
  Command22 = AddButton(u"初手に戻る"_qs, {760, 560, 73, 25}, &BoardWindow::Command22_Click);
  Command17 = AddButton(u"５手進む"_qs, {760, 592, 73, 25}, &BoardWindow::Command17_Click);
  Command21 = AddButton(u"５手戻る"_qs, {760, 624, 73, 25}, &BoardWindow::Command21_Click);
  Command13 = AddButton(u"文字拡大"_qs, {600, 624, 57, 25}, &BoardWindow::Command13_Click);
  Command12 = AddButton(u"全手順表示"_qs, {176, 624, 73, 25}, &BoardWindow::Command12_Click);
  Command6 = AddButton(u"手順表示開始"_qs, {8, 624, 81, 25}, &BoardWindow::Command6_Click);
  Command5 = AddButton(u"次手を表示"_qs, {96, 624, 73, 25}, &BoardWindow::Command5_Click);
  for (QPushButton* walk : {Command6, Command5}) {
    QPalette palette = walk->palette();
    palette.setColor(QPalette::Button, QColor(255, 192, 192));
    walk->setPalette(palette);
  }

  Command1 = AddButton(u"検索手順の入力開始"_qs, {528, 456, 130, 23}, &BoardWindow::Command1_Click);
  Command1->setToolTip(u"左上隅に入力"_qs);
  Command9 = AddButton(u"手順を減らす"_qs, {528, 480, 130, 23}, &BoardWindow::Command9_Click);
  Command9->setToolTip(u"クリックのたびに手順を１つ短くします。"_qs);
  Command10 = AddButton(u"手順を追加する"_qs, {528, 504, 130, 23}, &BoardWindow::Command10_Click);
  Command10->setToolTip(u"追加着手の入力"_qs);
  Command8 = AddButton(u"検索手順の再表示"_qs, {528, 528, 130, 23}, &BoardWindow::Command8_Click);
  Command8->setToolTip(u"最後に入力した検索手順の表示"_qs);
  Command4 = AddButton(u"検 索 実 行"_qs, {528, 552, 130, 23}, &BoardWindow::Command4_Click);
  Command4->setToolTip(u"該当する定石等を検索"_qs);
  Command11 = AddButton(u"検索中止・終了"_qs, {528, 576, 130, 23}, &BoardWindow::Command11_Click);

  Command7 = new QPushButton(u"メニュー"_qs, this);
  Command7->setGeometry(528, 624, 66, 25);
  connect(Command7, &QPushButton::clicked, this, &QWidget::close);

  Image1 = AddNotice(this, {80, 456});
  Image2 = AddNotice(this, {700, 456});
  Image1->raise();
  Image2->raise();

  for (QTimer* timer : {&Timer2, &Timer4}) timer->setInterval(1000);
  connect(&Timer2, &QTimer::timeout, this, [this] { Run([this] { model.Timer2_Timer(); }); });
  connect(&Timer4, &QTimer::timeout, this, [this] { Run([this] { model.Timer4_Timer(); }); });

  Run([this] { model.Form_Load(); });
}

QPushButton* Form4::AddButton(const QString& caption, QRect geometry,
                              void (BoardWindow::*handler)()) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(geometry);
  connect(button, &QPushButton::clicked, this,
          [this, handler] { Run([this, handler] { (model.*handler)(); }); });
  return button;
}

namespace {
// While a handler runs, a message it shows first brings the widgets up to
// date, so the window behind the modal box shows what the handler has done.
class SyncBeforeMessages : public MessageSink {
 public:
  SyncBeforeMessages(std::function<void()> sync)
      : sync_(std::move(sync)), inner_(CurrentMessageSink()) {
    SetMessageSink(this);
  }
  ~SyncBeforeMessages() override { SetMessageSink(inner_); }
  void ShowMessage(const QString& text) override {
    sync_();
    inner_->ShowMessage(text);
  }

 private:
  std::function<void()> sync_;
  MessageSink* inner_;
};
}  // namespace

bool Form4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress)
    rowBeforePress_ = List1->currentRow();
  return QWidget::eventFilter(watched, event);
}

void Form4::Run(const std::function<void()>& handler) {
  {
    SyncBeforeMessages messages([this] { Sync(); });
    handler();
  }
  Sync();
}

void Form4::Sync() {
  const BoardWindowControls& c = model.controls;
  {
    const QSignalBlocker blocker(List1);
    if (List1->count() != c.List1.size()) {
      List1->clear();
      List1->addItems(c.List1);
    }
    if (List1->currentRow() != c.List1Index) List1->setCurrentRow(c.List1Index);
  }
  Label1->setText(c.Label1);
  Label2->setText(c.Label2);
  Label3->setText(c.Label3);
  SetFontSize(Label1, c.Label1FontSize);
  SetFontSize(Label2, c.Label2FontSize);
  for (QPushButton* button : {Command2, Command3, Command17, Command20, Command21, Command22})
    button->setEnabled(c.GameButtonsEnabled);
  Image1->setVisible(c.Image1Visible);
  Image2->setVisible(c.Image2Visible);
  for (auto [timer, enabled] : {std::pair{&Timer2, c.Timer2Enabled}, {&Timer4, c.Timer4Enabled}}) {
    if (enabled && !timer->isActive()) timer->start();
    if (!enabled && timer->isActive()) timer->stop();
  }
}
