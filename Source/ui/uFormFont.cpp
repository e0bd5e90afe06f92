#include "uFormFont.h"

#include <QStringList>

#include <cstdlib>

namespace {

const char *const kFormFamily = "MS Sans Serif";

void InstallSubstitute()
{
    // A narrow Helvetica has nearly the designed face's widths; the URW fonts carry one.
    static const bool installed = [] {
        QFont::insertSubstitutions(kFormFamily, QStringList() << "Nimbus Sans Narrow" << "Liberation Sans Narrow" << "DejaVu Sans");
        return true;
    }();
    (void)installed;
}

}  // namespace

QFont FormFont(int height)
{
    InstallSubstitute();
    QFont font(kFormFamily);
    font.setPixelSize(std::abs(height));
    // Set, not inherited: a bold group box must not make its frame's rows bold.
    font.setWeight(QFont::Normal);
    return font;
}
