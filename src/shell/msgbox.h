#pragma once

#include <QString>

#include "store/errore.h"

namespace ruotario {

enum class MsgBoxButtons { Ok, YesNo };
enum class MsgBoxIcon { None, Critical, Question, Exclamation };
enum class MsgBoxResult { Ok, Yes, No };

// The application title, the title of every message box.
inline constexpr const char* kTitoloApplicazione = "Ruotario";

// Every modal question or warning of the program goes through here: a box
// titled "Ruotario" with the given text, buttons and icon, returning the answer.
MsgBoxResult MsgBox(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona);

// Shows a core error: the stop icon for a failure, the exclamation mark for a
// request that cannot be carried out.
void MostraErrore(const Errore& errore);

// Runs a handler's work and shows a core error at the handler's edge; false
// after an error.
template <typename Azione>
bool Protetto(Azione azione);

// Answers message boxes instead of the user (tests install one).
class MsgBoxResponder {
  public:
    virtual ~MsgBoxResponder() = default;
    virtual MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona) = 0;
};

// nullptr puts the real boxes back. The caller keeps ownership.
void SetMsgBoxResponder(MsgBoxResponder* responder);

template <typename Azione>
bool Protetto(Azione azione) {
    try {
        azione();
        return true;
    } catch (const Errore& errore) {
        MostraErrore(errore);
        return false;
    }
}

}  // namespace ruotario
