#pragma once

class CGameDatabase;
class CQuillmarDoc;

// Fills a new document with the largest plan the data allows: level 50 in
// career mode, of the class with the most lines, every line planned at every
// slot up to 50 (rising slowly), an auto-train mask on the first line, a respec
// at level 25 and both realm-ability lists bought. The benchmarks and the
// start-up measurement use it so that they time the same character.
void BuildCareerCharacter(CGameDatabase& database, CQuillmarDoc& doc);
