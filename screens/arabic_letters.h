#pragma once

#include "screens/letters.h"
#include "ui/form.h"

namespace screens {

// The 33 Arabic letter tiles of the word games in three rows, front to back, where the Arabic
// word screen places them; the picture game moves the whole board. The tiles whose letter ends a
// line carry the line break in their caption, and a drop copies it with the letter. Pressing a
// tile says its letter's name, in pause, but for a final taa marbuta, which espeak-ng reads as a
// t in pause, so it keeps its ending.
class ArabicLetterTiles {
public:
    ArabicLetterTiles(ui::Form& form, ui::Twips right, ui::Twips down)
        : form_(form)
        , right_(right)
        , down_(down)
    {
    }

private:
    ui::Form& form_;
    const ui::Twips right_;
    const ui::Twips down_;
    ui::Rect at(ui::Twips left, ui::Twips top) const { return {left + right_, top + down_, 375, 375}; }

public:
    ui::Label Label1{form_, at(7080, 960), letterTile("ا", {"أَلِف"}, 0x00C0FFFF)};
    ui::Label Label2{form_, at(6600, 960), letterTile("ب", {"بَاء"}, 0x00C0C0FF)};
    ui::Label Label3{form_, at(6120, 960), letterTile("ت", {"تَاء"}, 0x00C0FFC0)};
    ui::Label Label4{form_, at(5640, 960), letterTile("ث", {"ثَاء"}, 0x00FFC0C0)};
    ui::Label Label5{form_, at(5160, 960), letterTile("ج", {"جِيم"}, 0x00C0FFFF)};
    ui::Label Label6{form_, at(4680, 960), letterTile("ح", {"حَاء"}, 0x00C0C0FF)};
    ui::Label Label7{form_, at(4200, 960), letterTile("خ", {"خَاء"}, 0x00C0FFC0)};
    ui::Label Label8{form_, at(3720, 960), letterTile("د", {"دَال"}, 0x00FFC0C0)};
    ui::Label Label9{form_, at(3240, 960), letterTile("ذ", {"ذَال"}, 0x00C0FFFF)};
    ui::Label Label10{form_, at(2760, 960), letterTile("ر", {"رَاء"}, 0x00C0C0FF)};
    ui::Label Label12{form_, at(2280, 960), letterTile("ز", {"زَاي"}, 0x00C0FFC0)};
    ui::Label Label13{form_, at(1800, 960), letterTile("س", {"سِين"}, 0x00FFC0C0)};
    ui::Label Label14{form_, at(1320, 960), letterTile("ش", {"شِين"}, 0x00C0FFFF)};
    ui::Label Label15{form_, at(840, 960), letterTile("ص", {"صَاد"}, 0x00C0C0FF)};
    ui::Label Label16{form_, at(7320, 1560), letterTile("ض", {"ضَاد"}, 0x00C0FFFF)};
    ui::Label Label17{form_, at(6840, 1560), letterTile("ط", {"طَاء"}, 0x00C0C0FF)};
    ui::Label Label18{form_, at(6360, 1560), letterTile("ظ", {"ظَاء"}, 0x00C0FFC0)};
    ui::Label Label19{form_, at(5880, 1560), letterTile("ع", {"عَيْن"}, 0x00FFC0C0)};
    ui::Label Label20{form_, at(5400, 1560), letterTile("غ", {"غَيْن"}, 0x00C0FFFF)};
    ui::Label Label21{form_, at(4920, 1560), letterTile("ف", {"فَاء"}, 0x00C0C0FF)};
    ui::Label Label22{form_, at(4440, 1560), letterTile("ق", {"قَاف"}, 0x00C0FFC0)};
    ui::Label Label23{form_, at(3960, 1560), letterTile("ك", {"كَاف"}, 0x00FFC0C0)};
    ui::Label Label24{form_, at(3480, 1560), letterTile("ل", {"لَام"}, 0x00C0FFFF)};
    ui::Label Label25{form_, at(3000, 1560), letterTile("م", {"مِيم"}, 0x00C0C0FF)};
    ui::Label Label26{form_, at(2520, 1560), letterTile("ن", {"نُون"}, 0x00C0FFC0)};
    ui::Label Label27{form_, at(2040, 1560), letterTile("ه", {"هَاء"}, 0x00FFC0C0)};
    ui::Label Label29{form_, at(1560, 1560), letterTile("ة", {"تَاءٌ مَرْبُوطَةٌ"}, 0x00C0FFFF)};
    ui::Label Label28{form_, at(1080, 1560), letterTile("و", {"وَاو"}, 0x00C0C0FF)};
    ui::Label Label31{form_, at(600, 1560), letterTile("ي\r\n", {"يَاء"}, 0x00C0FFC0)};
    ui::Label Label32{form_, at(4920, 2160), letterTile("ـي", {"يَاءٌ مُتَّصِلَةٌ"}, 0x00FFC0C0)};
    ui::Label Label33{form_, at(4320, 2160), letterTile("ـئ\r\n", {"هَمْزَةٌ عَلَى نَبْرَةٍ"}, 0x00C0FFC0)};
    ui::Label Label34{form_, at(3720, 2160), letterTile("ء\r\n", {"هَمْزَةٌ"}, 0x00C0FFC0)};
    ui::Label Label35{form_, at(3120, 2160), letterTile("ؤ\r\n", {"هَمْزَةٌ عَلَى وَاوٍ"}, 0x00C0FFC0)};
};

} // namespace screens
