#include "screens/spoken_words.h"

#include <QStringView>

#include <algorithm>

namespace screens {

namespace {

struct SpokenWord {
    QStringView written; // as the word tables write it, tatweels included
    QStringView spoken;
};

// Every word of the two Arabic games once, said in pause but for a final taa marbuta, which
// espeak-ng reads as a t in pause, so it keeps its ending.
constexpr SpokenWord spokenWords[] = {
    {u"موز", u"مَوْز"},       // banana
    {u"عصفور", u"عُصْفُور"},   // bird
    {u"كلب", u"كَلْب"},       // dog
    {u"تفاحة", u"تُفَّاحَةٌ"},   // apple
    {u"بنت", u"بِنْت"},       // girl
    {u"سـيارة", u"سَيَّارَةٌ"},  // car
    {u"ارنب", u"أَرْنَب"},     // rabbit
    {u"قطار", u"قِطَار"},     // train
    {u"مرسام", u"مِرْسَام"},   // pencil
    {u"سفـينة", u"سَفِينَةٌ"},  // ship
    {u"الـيد", u"اليَد"},    // hand
    {u"ساعة", u"سَاعَةٌ"},     // clock
    {u"باب", u"بَاب"},       // door
    {u"مفتاح", u"مِفْتَاح"},   // key
    {u"وردة", u"وَرْدَةٌ"},     // flower
    {u"قطة", u"قِطَّةٌ"},       // cat
    {u"طفل", u"طِفْل"},       // child
    {u"شجرة", u"شَجَرَةٌ"},     // tree
    {u"فراشة", u"فَرَاشَةٌ"},   // butterfly
    {u"نحلة", u"نَحْلَةٌ"},     // bee
    {u"بقرة", u"بَقَرَةٌ"},     // cow
    {u"ضفدع", u"ضِفْدَع"},     // frog
    {u"سمكة", u"سَمَكَةٌ"},     // fish
    {u"دب", u"دُبّ"},         // bear
    {u"نملة", u"نَمْلَةٌ"},     // ant
    {u"اسد", u"أَسَد"},       // lion
    {u"عنب", u"عِنَب"},       // grapes
    {u"فراولة", u"فَرَاوِلَةٌ"}, // strawberry
    {u"لـيمون", u"لَيْمُون"},  // lemon
    {u"جزر", u"جَزَر"},       // carrots
    {u"بطـيخ", u"بَطِّيخ"},    // watermelon
    {u"برتقال", u"بُرْتُقَال"}, // oranges
};

} // namespace

ui::Speech spokenArabicWord(const QString& word)
{
    const auto found = std::ranges::find(spokenWords, QStringView(word), &SpokenWord::written);
    return {found == std::end(spokenWords) ? word : found->spoken.toString()};
}

} // namespace screens
