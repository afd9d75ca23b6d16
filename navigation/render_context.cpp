#include "navigation/render_context.h"

RenderContext renderContext;
