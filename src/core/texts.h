#pragma once

// The texts of the core: every text the core shows or writes comes from here,
// marked for Qt Linguist (lupdate reads QT_TRANSLATE_NOOP without needing Qt).
// Code shows a text through tr(), which the program binds to its translator.

#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace kst {

using TextId = const char*;

// The translation of a text of this table (itself when no translator is bound).
std::string tr(TextId text);
// Binds the translator; the program installs one that asks Qt.
void setTranslator(std::string (*translator)(TextId));

// Fills "%s" and "%d" in order with the given texts; "%%" gives "%".
std::string format(std::string_view pattern, std::initializer_list<std::string_view> values);

namespace texts {
#define KST_TEXT(name, text) inline constexpr TextId name = QT_TRANSLATE_NOOP("Kestrom", text)

// Sizes
KST_TEXT(KbUnit, " KB");

// Countries
KST_TEXT(Germany, "Germany");
KST_TEXT(Usa, "USA");
KST_TEXT(France, "France");
KST_TEXT(Italy, "Italy");
KST_TEXT(Japan, "Japan");
KST_TEXT(Europe, "Europe");
KST_TEXT(Spain, "Spain");
KST_TEXT(Multi, "Multi");
KST_TEXT(UnknownCountry, "Unknown");

// Makers
KST_TEXT(BadMaker, "-Bad-");
KST_TEXT(HomeMade, "Home made");
KST_TEXT(UnknownMaker, "Unknown");
KST_TEXT(Nintendo, "Nintendo");
KST_TEXT(Capcom, "Capcom");
KST_TEXT(Starfish, "Starfish");
KST_TEXT(HudsonSoftJapan, "Hudson Soft Japan");
KST_TEXT(KemcoJapan, "Kemco Japan");
KST_TEXT(Tam, "Tam");
KST_TEXT(Jordan, "Jordan");
KST_TEXT(UbiSoft, "Ubi Soft");
KST_TEXT(CraveEntertainment, "Crave Entertainment");
KST_TEXT(Activision, "Activision");
KST_TEXT(Take2, "Take 2");
KST_TEXT(Midway, "Midway");
KST_TEXT(MajescoSales, "Majesco Sales");
KST_TEXT(ThreeDO, "3DO");
KST_TEXT(Bam, "BAM!");
KST_TEXT(Sega, "Sega");
KST_TEXT(Infogrames, "Infogrames");
KST_TEXT(Thq, "THQ");
KST_TEXT(Kemco, "Kemco");
KST_TEXT(SegaJapan, "Sega Japan");
KST_TEXT(Imagineer, "Imagineer");
KST_TEXT(MarvelousEntertainment, "Marvelous Entertainment");
KST_TEXT(Konami, "Konami");
KST_TEXT(Takara, "Takara");
KST_TEXT(Namco, "Namco");
KST_TEXT(Playmate, "Playmate");
KST_TEXT(Mto, "MTO");
KST_TEXT(GlobalA, "Global A");
KST_TEXT(Koei, "Koei");
KST_TEXT(Banpresto, "Banpresto");
KST_TEXT(Epoch, "Epoch");
KST_TEXT(Athena, "Athena");
KST_TEXT(Asmik, "Asmik");
KST_TEXT(Atlus, "Atlus");
KST_TEXT(Spike, "Spike");
KST_TEXT(KonamiJapan, "Konami Japan");

// Column captions of the ROM list
KST_TEXT(ColGo, "Go");
KST_TEXT(ColName, "Name");
KST_TEXT(ColSize, "Size");
KST_TEXT(ColDir, "Dir");
KST_TEXT(ColNewSize, "New size");
KST_TEXT(ColInternalName, "Internal name");
KST_TEXT(ColCountry, "Country");
KST_TEXT(ColMaker, "Maker");
KST_TEXT(ColInput, "Input");

// The selection mark of the Go column
KST_TEXT(SelectionMark, "@");

#undef KST_TEXT
}  // namespace texts

}  // namespace kst
