// Reader of the *.csv data files: fields separated by semicolons, comments start with '/'.
#pragma once

#include "database/CDataFileReader.h"

class CCsvReader : public CDataFileReader {
public:
    CCsvReader() : CDataFileReader(';', '/') {}
};
