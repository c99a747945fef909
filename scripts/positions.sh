# SPDX-License-Identifier: MIT
# Where the scripts click in the program's window, in pixels from its top-left corner: a point on
# each button and text box, by the control's name in app/layout.h. Sourced by
# scripts/screenshot.sh and tests/e2e/e2e_window.sh; tests/app/form1_test.cpp checks that every
# button and text box has a point here and that the point lies on it.
# shellcheck disable=SC2034
declare -A click_at=(
  [Command1]="512 236" # Clear
  [Command2]="512 92"  # Sin x
  [Command3]="512 164" # Cos x
  [Ejecutar]="324 436" # Calculate  Square Series
  [Command4]="436 436" # Calculate Triangular Series
  [Command5]="556 436" # Calculate Sawtooh Series
  [T1]="200 432"       # the number of terms
  [T2]="528 312"       # the scale
)
