#ifndef FRENCH_TEST_FORM_SENTENCES_H
#define FRENCH_TEST_FORM_SENTENCES_H

// Sentences that an exercise page and its result tab both show: the page passes them
// through the translation lookup inside its rich text, the tab shows them as they are.

namespace sentence {

inline constexpr char kTaskIIInstruction[] =
    "II. Trouvez dans la colonne droite les réponses pour la question de la colonne gauche:";
inline constexpr char kTaskIIIInstruction[] =
    "III. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:";
inline constexpr char kTaskIVInstruction[] =
    "IV. Trouvez dans la colonne droite les synonymes  pour les mots de la colonne gauche:";
inline constexpr char kTaskVInstruction[] = "V. Faites correspondre les nombres suivants:";
inline constexpr char kTaskVIInstruction[] = "VI. Mettez au présent les verbes entre parenthèses:";
inline constexpr char kTaskVIIInstruction[] = "VII. Recomposez les phrases en rétablissant les “-”:";

} // namespace sentence

#endif
