// The about window: how it looks, opening and closing it over the main window, folding the
// history out and in, and a missing picture or history.

#include "FormFixture.h"
#include "ui/Unit3.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class AboutWindow : public FormTest {
protected:
    AboutWindow() {
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        folder.write("Images/Inform.bmp", bmpBytes(picture));
        writeLines("ReadMe.Txt", {"История версий", "2.4.5 — первая"});
    }

    static std::string bmpBytes(const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes.toStdString();
    }

    TForm3& about() {
        if (!form3_) {
            form3_ = std::make_unique<TForm3>(services());
            form().setOtherForms(nullptr, form3_.get(), nullptr);
        }
        return *form3_;
    }

    std::unique_ptr<TForm3> form3_;
};

TEST_F(AboutWindow, IsMadeWithItsControlsAndThePictureUnscaled) {
    TForm3& a = about();
    EXPECT_EQ(a.windowTitle(), QStringLiteral("О программе"));
    EXPECT_FALSE(a.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(a.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(a.minimumSize(), a.maximumSize());
    EXPECT_EQ(a.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(a.Height(), 179);
    const struct {
        QWidget* control;
        QRect geometry;
    } controls[] = {
        {a.TabControl1, {0, 0, 377, 153}},   {a.Bevel1, {3, 5, 371, 146}},
        {a.Inform, {6, 7, 179, 141}},        {a.Label1, {187, 9, 182, 82}},
        {a.Button1, {187, 96, 185, 25}},     {a.Button2, {187, 120, 185, 25}},
        {a.TabControl2, {1, 151, 376, 148}}, {a.Memo1, {3, 4, 370, 140}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->geometry(), c.geometry);
    }
    EXPECT_EQ(a.Label1->text(), QStringLiteral("ВЕРСИЯ: 2.4.5."));
    EXPECT_TRUE(a.Label1->wordWrap());
    EXPECT_EQ(a.Label1->font().pixelSize(), 29);
    EXPECT_TRUE(a.Label1->font().bold());
    EXPECT_TRUE(a.Label1->font().underline());
    EXPECT_EQ(a.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(a.Button1->text(), QStringLiteral("История"));
    EXPECT_EQ(a.Button2->text(), QStringLiteral("Закрыть"));
    EXPECT_EQ(a.Button1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(a.Button2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(a.Memo1->isReadOnly());
    EXPECT_EQ(a.Memo1->viewport()->cursor().shape(), Qt::ForbiddenCursor);
    // The picture as it is: larger than the control, it is cut off, not scaled.
    EXPECT_EQ(a.Inform->pixmap().size(), QSize(300, 200));
    EXPECT_FALSE(a.Inform->hasScaledContents());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(AboutWindow, OpensFoldedOverTheDisabledMainWindowAndClosesBack) {
    TForm1& w = form();
    TForm3& a = about();
    w.N12Click();
    EXPECT_FALSE(w.T1.isActive());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(a.isVisible());
    EXPECT_TRUE(a.isEnabled());
    EXPECT_EQ(a.Height(), 179);

    a.Button2Click();
    EXPECT_TRUE(w.T1.isActive());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(a.isVisible());
}

TEST_F(AboutWindow, HistoryFoldsOutAndInReloadingTheFileEachTime) {
    TForm1& w = form();
    TForm3& a = about();
    w.N12Click();
    const int folded = a.height();

    a.Button1Click();
    EXPECT_EQ(a.Height(), 327);
    EXPECT_EQ(a.height(), folded + 148); // the lower frame comes into view
    EXPECT_EQ(a.Memo1->toPlainText(), QStringLiteral("История версий\n2.4.5 — первая"));

    writeLines("ReadMe.Txt", {"Изменено"}); // read again at the next press
    a.Button1Click();
    EXPECT_EQ(a.Height(), 179);
    EXPECT_EQ(a.height(), folded);
    EXPECT_EQ(a.Memo1->toPlainText(), QStringLiteral("Изменено"));

    a.Button1Click();
    a.Button1Click();
    EXPECT_EQ(a.Height(), 179);

    // Closed unfolded, it opens folded again, still holding the last text.
    a.Button1Click();
    a.Button2Click();
    w.N12Click();
    EXPECT_EQ(a.Height(), 179);
    EXPECT_EQ(a.Memo1->toPlainText(), QStringLiteral("Изменено"));
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(AboutWindow, ACloseRequestFromTheDesktopClosesItAsTheButtonDoes) {
    TForm1& w = form();
    TForm3& a = about();
    w.N12Click();
    QCloseEvent close;
    QCoreApplication::sendEvent(&a, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_FALSE(a.isVisible());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.T1.isActive());
}

TEST_F(AboutWindow, AMissingOrBrokenPictureIsReportedAndTheWindowShowsNone) {
    const struct {
        const char* name;
        std::function<void(FormFolder&)> damage;
        const char* message;
    } cases[] = {
        {"missing",
         [](FormFolder& t) { std::filesystem::remove(t.folder.path() / "Images/Inform.bmp"); },
         "Cannot open file Images\\Inform.bmp"},
        {"not a bitmap",
         [](FormFolder& t) { t.folder.write("Images/Inform.bmp", "GIF89a not a bitmap"); },
         "Bitmap image is not valid"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AboutWindow::errors.messages.clear();
        c.damage(*this);
        TForm3 a(services());
        EXPECT_EQ(errors.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(a.Inform->pixmap().isNull());
    }
}

TEST_F(AboutWindow, AMissingHistoryIsReportedAndNothingChanges) {
    TForm1& w = form();
    TForm3& a = about();
    w.N12Click();
    a.Button1Click();
    std::filesystem::remove(folder.path() / "ReadMe.Txt");

    a.Button1Click();

    EXPECT_EQ(errors.messages, std::vector<std::string>{"Cannot open file ReadMe.Txt"});
    EXPECT_EQ(a.Height(), 327);
    EXPECT_EQ(a.Memo1->toPlainText(), QStringLiteral("История версий\n2.4.5 — первая"));
}

TEST_F(AboutWindow, TheRestoreFoldsIt) {
    TForm1& w = form();
    TForm3& a = about();
    w.N12Click();
    a.Button1Click();
    w.N13Click();
    EXPECT_EQ(a.Height(), 179);
}

} // namespace
