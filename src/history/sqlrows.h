#pragma once

#include <QString>

// Many rows in one INSERT: a batch takes few statements, and only three
// shapes of each are ever compiled.
namespace SqlRows {

// How many of the rows left the next statement takes: 256, 16 or 1.
int perStatement(int left);
// "(?,?,?),(?,?,?)" for rows of columns.
QString placeholders(int rows, int columns);

} // namespace SqlRows
