#include "app/sign_in_texts.h"

#include "base/win/ansi.h"

std::string SignInText(const char* utf8) {
    return Utf8ToAnsi(utf8);
}

std::string DisconnectedText(int32_t reason) {
    return SignInText("Votre session a été déconnectée du serveur.\r\n\r\nCode Système : ") +
           std::to_string(reason) + "\r\n\r\n" +
           SignInText("En cas de problème récurrent veuillez contacter votre responsable informatique");
}
