// The faces the program names are drawn by faces this desktop has.

#include "ui/WindowLook.h"

#include "FormFixture.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

TEST(WindowLook, NamedFacesAreDrawnByTheirStandIns) {
    testApplication();
    const struct {
        const char* named;
        const char* drawnBy;
    } faces[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial Black", "DejaVu Sans"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& face : faces) {
        SCOPED_TRACE(face.named);
        if (!QFontDatabase::families().contains(QString::fromLatin1(face.drawnBy))) {
            GTEST_SKIP() << face.drawnBy << " is not installed (tools/install-packages.sh)";
        }
        const QFont font = WindowLook::font(QString::fromLatin1(face.named), 8);
        EXPECT_EQ(font.family(), QString::fromLatin1(face.named)); // the name stays as written
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(face.drawnBy));
    }
}

} // namespace
