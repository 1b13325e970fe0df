#pragma once

#include "app/forms.h"
#include "assets/clipart.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"

#include <QKeySequence>

// The main menu: artwork with a transparent hotspot over each activity's symbol, a hint label that
// names the activity under the pointer, and a menu bar that offers three of them again.
class Form4 : public ui::Form {
    Q_OBJECT

public:
    Form4();

private:
    friend class MainMenuTest;

    void Label1_MouseMove();
    void Label2_MouseMove();
    void Label3_MouseMove();
    void Label4_MouseMove();
    void Label6_MouseMove();
    void Label7_MouseMove();
    void Label8_MouseMove();
    void Form_MouseMove();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void f_mun_Click();
    void f1_mun_Click();
    void f2_mun_Click();
    void mute_mun_Click();
    void open(app::FormId target);

    void hint(const ui::Label& hotspot, const ui::Voiced& text);

    static ui::LabelProps hotspot(const ui::Voiced& hint, const ui::Pointer* pointer)
    {
        return {.transparent = true, .pointer = pointer, .accessibleName = hint.shown};
    }

    // The hints, as shown and as said; the program's names are said as they sound.
    static inline const ui::Voiced arabicWords{"كوِّن كلمات عربي", {"كَوِّنْ كَلِمَاتٍ عَرَبِيَّةً"}};
    static inline const ui::Voiced englishWords{"كوِّن كلمات English", {"كَوِّنْ كَلِمَاتٍ إِنْجِلِيزِيَّةً"}};
    static inline const ui::Voiced calculator{"Jumvar", {"جُمْفَار"}};
    static inline const ui::Voiced farewell{"صاحبتكم السلامة ", {"صَاحَبَتْكُمُ السَّلَامَةُ"}};
    static inline const ui::Voiced contactUs{"اتصل بنا ", {"اِتَّصِلْ بِنَا"}};
    static inline const ui::Voiced picturesAndWords{"صور وكلمات ", {"صُوَرٌ وَكَلِمَاتٌ"}};

    ui::Menu view_com{*this, {.caption = "عرض"}};
    ui::Menu f_mun{view_com, {.caption = "كون كلمات عربي"}};
    ui::Menu f1_mun{view_com, {.caption = " E كون كلمات "}};
    ui::Menu f2_mun{view_com, {.caption = "صور وكلمات"}};
    // The voice, off while checked; the key beside the caption does the same on every screen.
    ui::Menu sound_com{*this, {.caption = "الصوت"}};
    ui::Menu mute_mun{sound_com,
                      {.caption = "كتم الصوت\t" + QKeySequence(muteKey).toString(), .checkable = true}};

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    ui::Label Label8{*this, {3720, 1680, 855, 735}, hotspot(picturesAndWords, &clipart::handWithPen)};
    ui::Label Label7{*this, {4680, 3240, 855, 735}, hotspot(contactUs, &clipart::handWithPen)};
    ui::Label Label6{*this, {6480, 4680, 1215, 495}, hotspot(farewell, nullptr)};
    ui::Label Label5{*this,
                     {1680, 3360, 4095, 735},
                     {.fore = 0x0000FFFF, .transparent = true, .font = {ui::Face::Tahoma, 20.25}}};
    ui::Label Label4{*this, {4680, 240, 735, 975}, hotspot(calculator, &clipart::penDrawingCurve)};
    ui::Label Label3{*this, {2400, 1200, 735, 1095}, hotspot(arabicWords, &clipart::pencilDrawingLoop)};
    ui::Label Label2{*this, {5880, 1560, 615, 975}, hotspot(englishWords, &clipart::purpleCrayon)};
    ui::Label Label1{*this, {5880, 360, 1455, 735}, hotspot(arabicWords, &clipart::handWithPen)};
};
