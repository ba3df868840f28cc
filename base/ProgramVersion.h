#pragma once
// The version every program and the About box show: the project version and
// the commit it was built from ("1.1+git103.229daa4"), or a plain statement
// that the commit is unknown when the source had no git.
#include <QString>

QString ProgramVersion();
