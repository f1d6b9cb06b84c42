// Reader of the *.dat data files: fields separated by commas, comments start with ';'.
#pragma once

#include "database/CDataFileReader.h"

class CDatReader : public CDataFileReader {
public:
    CDatReader() : CDataFileReader(',', ';') {}
    double NextFloat() { return NextDouble(); }
};
