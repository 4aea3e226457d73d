#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>

#include "shell/msgbox.h"

namespace ruotario::prova {

// Between scripts every box is unexpected: it fails the test at once and is
// answered No or OK, instead of waiting offscreen for a click that never comes.
inline MsgBoxResponder* NessunaBoxAttesa() {
    static struct : MsgBoxResponder {
        MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon) override {
            ADD_FAILURE() << "box inattesa: " << testo.toStdString();
            return pulsanti == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
        }
    } nessuna;
    return &nessuna;
}

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
        SetMsgBoxResponder(NessunaBoxAttesa());
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
        if (attesi_.empty()) return NessunaBoxAttesa()->Answer(testo, pulsanti, icona);
        const Box box{testo.toStdString(), int(pulsanti), int(icona)};
        const auto [atteso, risposta] = attesi_.front();
        attesi_.pop_front();
        EXPECT_EQ(atteso, box) << "box inattesa";
        return atteso == box ? risposta : NessunaBoxAttesa()->Answer(testo, pulsanti, icona);
    }

  private:
    std::deque<std::pair<Box, MsgBoxResult>> attesi_;
};

}  // namespace ruotario::prova
