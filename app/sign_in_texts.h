#pragma once
// The sign-in window's messages. They are written here in UTF-8 and shown in the system's ANSI
// code page, like every text of the program.

#include <cstdint>
#include <string>

constexpr char kUserCodeRequired[] = "Un code utilisateur est obligatoire !";
constexpr char kPasswordRequired[] = "Un mot de passe est obligatoire !";
constexpr char kConnecting[] = "Connexion au serveur en cours ...";
constexpr char kCredentialsRefused[] = "Code ou mot de passe incorrect.\r\n"
                                       "Veuillez contacter l'école si vous avez oublié vos codes.\r\n\r\n"
                                       "Appuyez sur OK pour effectuer un nouvel essai.";

// One of the texts above in the ANSI code page.
std::string SignInText(const char* utf8);

// The message that ends a session, with the control's reason code in decimal.
std::string DisconnectedText(int32_t reason);
