#pragma once

#include "base/exception.h"
#include "curves/curve_values.h"
#include "curves/parameters.h"
#include "files/graph_settings.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

// One graph window's work as a value: its curves in list order with the current
// one, its view and its size. The graph window hands it out and takes it in; the
// scene file below keeps it.
struct TScene {
    std::vector<TEditorValues> Curves;
    int CurrentCurve = -1; // an index of Curves, or -1 while a new curve is entered
    TGraphSettings Look; // little axes, background, perspective, interval, planes
    long double XAxisAngle = 0;
    long double YAxisAngle = 0;
    long double ZoomPercent = 100; // 5 / scale, not rounded
    int X0 = 144;
    int Y0 = 122;
    bool FourView = false;
    int Width = 288; // the client area
    int Height = 245;
    // The settings of the curves' parameters; a name no curve uses changes nothing.
    std::vector<TParameter> Parameters;
};

// A scene file that cannot be opened at all; the message names the file.
class ESceneFileError : public Exception {
public:
    using Exception::Exception;
};

// A curve of a file that is left out, counted from 1, and why (naming the file).
struct TSceneCurveFault {
    int Number = 0;
    std::string Message;
};

struct TSceneRead {
    TScene Scene; // the good curves only; the current index follows them
    std::vector<TSceneCurveFault> BadCurves;
};

// The largest scene file read (64 MB); a larger one is refused unread.
inline constexpr qint64 MaxSceneFileSize = 64LL * 1024 * 1024;

// Reads a scene from the bytes of fileName (named in the messages). A key that
// is missing takes its value from defaults (the look and size of a new window);
// unknown keys are ignored. Formula texts are stored with the point as decimal
// separator and come back with the current one. Raises ESceneFileError for a
// file that is no scene, of a later version, or with a bad value outside the
// curves (a parameter's included); a curve with a bad value, a formula that does not compile, a refused
// step or the formulas of an earlier curve goes to BadCurves.
TSceneRead ReadScene(const QByteArray& bytes, const QString& fileName, const TScene& defaults);
// As ReadScene, from the file itself.
TSceneRead ReadSceneFile(const QString& fileName, const TScene& defaults);

// The file's bytes: UTF-8 JSON, "format" and "version" first. Values beyond
// what a reader accepts are brought into its ranges.
QByteArray SceneJson(const TScene& scene);
// Replaces the file by a complete new one or, on failure, keeps the old file and
// raises ESceneFileError "Cannot create file %s".
void WriteSceneFile(const QString& fileName, const TScene& scene);

// True for a name with the scene files' extension ".vlm" (any letter case).
bool IsSceneFileName(const QString& fileName);
