#pragma once

#include <string>
#include <vector>

#include "modes/ModeComparaison.h"

namespace velmora {

class TDataModule1;

// Quoting of a title for the INSERT: blanks and control characters trimmed at
// both ends, every double quote made an apostrophe, every apostrophe doubled.
std::string DoublerApostrophes(const std::string& texte);

// The four statements on the table Comparaison, word for word.
std::string InstructionSelectModes();
// Saves every field but the title of the mode whose key is mode.RefComparaison.
std::string InstructionUpdate(const ModeComparaison& mode);
// A new mode titled `titre` with the other fields of `mode`; the key is
// assigned by the database.
std::string InstructionInsert(const std::string& titre, const ModeComparaison& mode);
std::string InstructionDelete(const std::string& refComparaison);

// Every stored mode, in the order of their titles. Leaves the result open in
// ADOQuery1. Throws ErreurBase (a null value in a column names it).
std::vector<ModeComparaison> ChargerModes(TDataModule1& module);

// The save, save-as and delete of the options dialog. Each is committed when
// the call returns. Throw ErreurBase; UPDATE and DELETE throw
// std::invalid_argument for a key that is not a decimal integer.
void EnregistrerMode(TDataModule1& module, const ModeComparaison& mode);
void EnregistrerModeSous(TDataModule1& module, const std::string& titre,
                         const ModeComparaison& mode);
void SupprimerMode(TDataModule1& module, const std::string& refComparaison);

// The start-up check: a cheap SELECT on the table through the shared query,
// whose result is left open. false when the database cannot be used.
bool VerifierBase(TDataModule1& module);

}  // namespace velmora
