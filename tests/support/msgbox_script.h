#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>

#include "shell/msgbox.h"

namespace ruotario::prova {

// Answers the program's message boxes from a script. Every box must have been
// announced with Attendi, in order, with its exact text, buttons and icon;
// a box nobody announced fails the test (and is answered No or OK), and so do
// announced boxes that never came. Installed for the life of the object.
class MsgBoxScript : public MsgBoxResponder {
    // Text, buttons and icon, as the failures print them.
    using Box = std::tuple<std::string, int, int>;

  public:
    MsgBoxScript() { SetMsgBoxResponder(this); }
    ~MsgBoxScript() override {
        SetMsgBoxResponder(nullptr);
        for (const auto& [box, risposta] : attesi_)
            ADD_FAILURE() << "box attesa e mai mostrata: " << testing::PrintToString(box);
    }

    // The next box expected, and the answer to give it.
    MsgBoxScript& Attendi(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona,
                          MsgBoxResult risposta) {
        attesi_.push_back({{testo.toStdString(), int(pulsanti), int(icona)}, risposta});
        return *this;
    }
    bool Esaurito() const { return attesi_.empty(); }

    MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona) override {
        const Box box{testo.toStdString(), int(pulsanti), int(icona)};
        const auto [atteso, risposta] =
            attesi_.empty() ? std::pair(Box{"(nessuna)", 0, 0}, MsgBoxResult::No) : attesi_.front();
        if (!attesi_.empty()) attesi_.pop_front();
        EXPECT_EQ(atteso, box) << "box inattesa";
        if (atteso == box) return risposta;
        return pulsanti == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
    }

  private:
    std::deque<std::pair<Box, MsgBoxResult>> attesi_;
};

}  // namespace ruotario::prova
