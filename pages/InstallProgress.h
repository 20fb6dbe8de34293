#pragma once

// The install procedure's progress, 0 to 100, shown on the bar of the port page in
// g_pPortDlg. Dropped when there is no such page or its window is gone.
void SetInstallProgress(int position);
