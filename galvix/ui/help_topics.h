// The topics of Galvix3's help and the page that explains each.
#pragma once

#include <QMap>
#include <QString>

namespace galvix::ui {

// The numbers are the help viewer's topic numbers.
enum class HelpTopic {
    Contents = 1,
    PredictingAReaction = 2,
    Calculations = 3,
    LicenceAndSources = 4,
    Contact = 5,
    CustomHalfReactions = 23,
    Searching = 28,
    ListOfElements = 29,
    Options = 210,
    HelperApplications = 211,
};

// The page of every topic, for the help viewer.
inline QMap<int, QString> HelpPages() {
    return {{static_cast<int>(HelpTopic::Contents), "contents.html"},
            {static_cast<int>(HelpTopic::PredictingAReaction), "predicting-a-reaction.html"},
            {static_cast<int>(HelpTopic::Calculations), "calculations.html"},
            {static_cast<int>(HelpTopic::LicenceAndSources), "licence-and-sources.html"},
            {static_cast<int>(HelpTopic::Contact), "contact.html"},
            {static_cast<int>(HelpTopic::CustomHalfReactions), "custom-half-reactions.html"},
            {static_cast<int>(HelpTopic::Searching), "searching.html"},
            {static_cast<int>(HelpTopic::ListOfElements), "list-of-elements.html"},
            {static_cast<int>(HelpTopic::Options), "options.html"},
            {static_cast<int>(HelpTopic::HelperApplications), "helper-applications.html"}};
}

} // namespace galvix::ui
