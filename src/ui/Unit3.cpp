#include "ui/Unit3.h"

#include "engine/Cp1251.h"
#include "engine/FileBytes.h"
#include "engine/FileError.h"
#include "engine/ProgramFiles.h"
#include "ui/CpText.h"
#include "ui/LaunchCentring.h"
#include "ui/Unit1.h"
#include "ui/WindowLook.h"

#include <QCloseEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace {

constexpr int kClientWidth = 377;
constexpr int kClientHeight = 152;
// Frame and title bar of the window the heights were designed with: what is taken off the outer
// height while the desktop has not yet told how tall its own frame is.
constexpr int kDesignedFrameHeight = AboutHeight::kFolded - kClientHeight;

QFrame* tabFrame(QWidget* parent, const char* name, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    frame->setGeometry(geometry);
    frame->setCursor(Qt::ArrowCursor);
    return frame;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

std::string readBytes(const PathResolver& folder, const std::string& name) {
    std::optional<std::string> bytes = filebytes::readRegular(folder.resolve(name));
    if (!bytes) {
        throw FileError::cannotOpen(name);
    }
    return std::move(*bytes);
}

// Plain Windows-1251 text, line by line: CR LF, a lone CR and a lone LF each end a line.
QString historyText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            text += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += bytes[i];
        }
    }
    if (!text.empty() && text.back() == '\n') {
        text.pop_back(); // a final line break adds no line
    }
    return fromCp(text);
}

} // namespace

TForm3::TForm3(const FormServices& services)
    : SecondaryForm(QStringLiteral("О программе"), QSize(kClientWidth, kClientHeight), Qt::Dialog),
      folder_(services.folder), errors_(*services.errors) {
    setObjectName(QStringLiteral("Form3"));
    setCursor(Qt::ArrowCursor);
    buildControls();
    applyHeight();
    FormCreate();
}

void TForm3::buildControls() {
    TabControl1 = tabFrame(this, "TabControl1", {0, 0, 377, 153});
    Bevel1 = new QFrame(TabControl1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(3, 5, 371, 146);
    // The picture as it is, from its top left corner, cut off at the control's edges.
    Inform = new QLabel(TabControl1);
    Inform->setObjectName(QStringLiteral("Inform"));
    Inform->setGeometry(6, 7, 179, 141);
    Inform->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Inform->setScaledContents(false);

    Label1 = new QLabel(QStringLiteral("ВЕРСИЯ: 2.4.5."), TabControl1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(187, 9, 182, 82);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont version = WindowLook::font(QStringLiteral("Arial Black"), 8, true);
    version.setPixelSize(29);
    version.setUnderline(true);
    Label1->setFont(version);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, WindowLook::kSilver);
    Label1->setPalette(palette);
    Label1->setAutoFillBackground(true);

    Button1 = button(TabControl1, "Button1", QStringLiteral("История"), {187, 96, 185, 25});
    Button2 = button(TabControl1, "Button2", QStringLiteral("Закрыть"), {187, 120, 185, 25});
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    TabControl2 = tabFrame(this, "TabControl2", {1, 151, 376, 148});
    Memo1 = new QPlainTextEdit(TabControl2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(3, 4, 370, 140);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(WindowLook::font(QStringLiteral("Courier New"), 8));
    Memo1->viewport()->setCursor(Qt::ForbiddenCursor);
    QPalette memo = Memo1->palette();
    memo.setColor(QPalette::Base, WindowLook::kSilver);
    Memo1->setPalette(memo);
    // The two buttons are all there is to press.
    Memo1->setFocusPolicy(Qt::ClickFocus);
}

void TForm3::FormCreate() {
    errors_.run([this] {
        const std::string bytes = readBytes(folder_, programfiles::Picture);
        QImage picture;
        if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                  static_cast<int>(bytes.size()), "BMP")) {
            throw std::runtime_error("Bitmap image is not valid");
        }
        Inform->setPixmap(QPixmap::fromImage(picture));
    });
}

void TForm3::Button1Click() {
    errors_.run([this] {
        Memo1->setPlainText(historyText(readBytes(folder_, programfiles::ReadMe)));
        height_.toggle();
        applyHeight();
    });
}

void TForm3::Button2Click() {
    if (main_) {
        main_->backInService();
    }
    hide();
}

void TForm3::fold() {
    height_.fold();
    applyHeight();
}

void TForm3::showCentred() {
    LaunchCentring::showAgain(*this);
}

// The heights count the frame and the title bar: the client area is what is left of them once
// the desktop has put its frame round the window.
// Until the desktop has framed this window, the main window's frame, drawn by the same desktop,
// tells how tall it will be.
void TForm3::applyHeight() {
    int frameHeight = frameGeometry().height() - geometry().height();
    if (frameHeight <= 0 && main_) {
        frameHeight = main_->frameGeometry().height() - main_->geometry().height();
    }
    if (frameHeight <= 0) {
        frameHeight = kDesignedFrameHeight;
    }
    setFixedSize(kClientWidth, height_.height() - frameHeight);
}

void TForm3::closeEvent(QCloseEvent* event) {
    event->ignore();
    Button2Click();
}

void TForm3::showEvent(QShowEvent* event) {
    SecondaryForm::showEvent(event);
    applyHeight();
}

// The desktop frames a window after it is shown and moves it into its frame: the first moment the
// frame's height is known.
void TForm3::moveEvent(QMoveEvent* event) {
    SecondaryForm::moveEvent(event);
    applyHeight();
}
