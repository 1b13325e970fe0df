#include "ui/collation.h"

#include <QCollator>
#include <QCoreApplication>
#include <QString>
#include <QTimer>

namespace ui {

namespace {

QString withoutTatweel(QStringView text)
{
    QString result = text.toString();
    result.remove(QChar(0x0640));
    return result;
}

const QCollator& arabicOrder()
{
    static const QCollator collator{QLocale(QLocale::Arabic)};
    return collator;
}

} // namespace

bool alphabeticallyBefore(QStringView a, QStringView b)
{
    const int order = arabicOrder().compare(withoutTatweel(a), withoutTatweel(b));
    return order != 0 ? order < 0 : a < b;
}

void prepareCollation()
{
    QTimer::singleShot(0, qApp, [] { arabicOrder().compare(u"ب", u"ا"); });
}

} // namespace ui
