#pragma once

#include <QString>

// Which Qt Quick scene graph backend draws the schemes. On a PC without a
// working GPU driver OpenGL runs on a software rasterizer and costs about ten
// times what Qt Quick's own software backend costs for the same 2D scene.
namespace QuickBackend {

enum class Choice { UserSet, Software, OpenGL };

// Whether an OpenGL renderer name (GL_RENDERER) is a software rasterizer.
bool isSoftwareRenderer(const QString &glRenderer);
// A backend the user set always wins; without OpenGL (an empty renderer
// name), or with only a software rasterizer, the software backend is used;
// hardware OpenGL is kept.
Choice decide(const QString &userSet, const QString &glRenderer);

// Decides once, for the backend set in QT_QUICK_BACKEND and the renderer of
// a default OpenGL context (asked only when nothing was set), and applies
// the choice; must run before the first Qt Quick window exists. The choice
// goes to the debug output and is returned.
QString ensureChosen();

} // namespace QuickBackend
