#include "support/msgbox_script.h"

#include <gtest/gtest.h>

namespace ruotario::prova {
namespace {

const char* Nome(MsgBoxButtons pulsanti) {
    return pulsanti == MsgBoxButtons::Ok ? "OK" : "Sì/No";
}

const char* Nome(MsgBoxIcon icona) {
    switch (icona) {
        case MsgBoxIcon::Critical:
            return "critica";
        case MsgBoxIcon::Question:
            return "domanda";
        case MsgBoxIcon::Exclamation:
            return "esclamativo";
        case MsgBoxIcon::None:
            break;
    }
    return "nessuna";
}

}  // namespace

MsgBoxScript::MsgBoxScript() {
    SetMsgBoxResponder(this);
}

MsgBoxScript::~MsgBoxScript() {
    SetMsgBoxResponder(nullptr);
    for (const auto& [box, risposta] : attesi_)
        ADD_FAILURE() << "box attesa e mai mostrata: \"" << box.testo.toStdString() << "\"";
}

MsgBoxScript& MsgBoxScript::Attendi(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona,
                                    MsgBoxResult risposta) {
    attesi_.push_back({{testo, pulsanti, icona}, risposta});
    return *this;
}

MsgBoxResult MsgBoxScript::Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona) {
    mostrati_.push_back({testo, pulsanti, icona});
    MsgBoxResult predefinita = pulsanti == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
    if (attesi_.empty()) {
        ADD_FAILURE() << "box inattesa: \"" << testo.toStdString() << "\" (" << Nome(pulsanti)
                      << ", icona " << Nome(icona) << ")";
        return predefinita;
    }
    auto [box, risposta] = attesi_.front();
    attesi_.pop_front();
    EXPECT_EQ(box.testo.toStdString(), testo.toStdString());
    EXPECT_EQ(Nome(box.pulsanti), std::string(Nome(pulsanti))) << testo.toStdString();
    EXPECT_EQ(Nome(box.icona), std::string(Nome(icona))) << testo.toStdString();
    if (box.testo != testo || box.pulsanti != pulsanti || box.icona != icona) return predefinita;
    return risposta;
}

}  // namespace ruotario::prova
