#include "ui/collation.h"

#include <QCollator>
#include <QString>

namespace ui {

namespace {

QString withoutTatweel(QStringView text)
{
    QString result = text.toString();
    result.remove(QChar(0x0640));
    return result;
}

} // namespace

bool alphabeticallyBefore(QStringView a, QStringView b)
{
    static const QCollator collator{QLocale(QLocale::Arabic)};
    const int order = collator.compare(withoutTatweel(a), withoutTatweel(b));
    return order != 0 ? order < 0 : a < b;
}

} // namespace ui
