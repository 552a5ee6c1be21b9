#pragma once
// The state of a control as the script command `dump` prints it, one text line per line.
//
// Any control: its class, name, text and the flags a person sees:
//   TMaskEdit medFilial text="0001" enabled=yes visible=yes focused=no
// plus checked=yes|no for check boxes and radio buttons and page=NAME for page controls.
//
// A data grid: that line, then a line of its column titles, then one line per row as shown
// (the display texts of the visible columns, separated by " | "), the current row marked "*":
//   TDBGrid dbgPadrao text="" enabled=yes visible=yes focused=yes
//     | Tipo de Operação | Liberado | Lançamento Manual | Endereço
//   * | 01 - Venda       | Sim      | Não               |
//     | 02 - Devolução   | Não      | Sim               | P

#include <QStringList>

namespace ger {

class TControl;

QStringList DumpControl(const TControl& control);

} // namespace ger
