#include "app/Platform.h"

#include <unistd.h>

#include <QCoreApplication>

void PrepareApplicationEnvironment() {
#ifdef QMP_HAVE_WEBENGINE
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
}
