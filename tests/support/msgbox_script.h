#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "shell/msgbox.h"

namespace ruotario::prova {

// Answers the program's message boxes from a script. Every box must have been
// announced with Attendi, in order, with its exact text, buttons and icon;
// a box nobody announced fails the test (and is answered No or OK), and so do
// announced boxes that never came. Installed for the life of the object.
class MsgBoxScript : public MsgBoxResponder {
  public:
    struct Box {
        QString testo;
        MsgBoxButtons pulsanti;
        MsgBoxIcon icona;
    };

    MsgBoxScript();
    ~MsgBoxScript() override;

    // The next box expected, and the answer to give it.
    MsgBoxScript& Attendi(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona,
                          MsgBoxResult risposta);
    // Every box shown so far.
    const std::vector<Box>& Mostrati() const { return mostrati_; }
    bool Esaurito() const { return attesi_.empty(); }

    MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona) override;

  private:
    std::deque<std::pair<Box, MsgBoxResult>> attesi_;
    std::vector<Box> mostrati_;
};

}  // namespace ruotario::prova
