#include "tips.h"

#include <array>

namespace galvix::ui {

namespace {

constexpr std::array<const char*, kTipCount> kTips = {
    "that you can gain half reaction data by double-clicking it in the list?",
    "that you can make up to 300 half reactions of your own?",
    "that you can write subscripts and superscripts in your custom half reactions?",
    "that you can save your reactions for future reference?",
    "that you can access an elements reference library if you forget the symbols?",
    "that you can arrange the half reaction lists in three different ways?",
    "that you can change the font used by Galvix?",
    "that you can change the background color of Galvix?",
    "that you can toggle Tool Tips (Bubble Help) on/off?",
    "that you can jump to an element in half reactions list?",
    "that you can view Microsoft System Information from the About box?",
    "that you can search through both lists in the Main screen?",
    "that you can search through the List of Elements?",
    "that you can predict feasibility of almost 282,000 reactions with Galvix?",
    "that you can find all chemical calculations used by Galvix in the help file?",
    "that you can copy all half-reactions and their potenitals?",
    "that you can print all half-reactions and their potenitals?",
    "that you can copy the full reaction data?",
    "that you can print the full reaction data?",
    "that you can add up to 20 helper applications?",
    "that you can edit the saved reactions by editing the file 'Saved.dat'?",
    "that all of the elements, except noble gases (except xenon) and elements 104+ are "
    "supported?",
    "that the structural formula at the beginning represents TNT?",
    "that you can view halp from anywhere in the program by pressing F1?",
    "that you can find the next occurrence of the search string by pressing F3?",
    "that you can display the List of Elements by pressing F8?"};

} // namespace

QString TipText(int number) {
    return number >= 1 && number <= kTipCount ? kTips[static_cast<std::size_t>(number - 1)]
                                              : QString();
}

} // namespace galvix::ui
