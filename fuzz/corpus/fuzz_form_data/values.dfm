object frmValores: TfrmValores
  Left = -8
  Top = $00FF00
  Ratio = 1.5E2
  Width = 2.5s
  Caption = 'Opera'#231#227'o '#$41'''s'
  Enabled = False
  Font.Style = [fsBold, fsItalic]
  Anchors = []
  Items.Strings = (
    'Sim'
    'N'#227'o'
    Outro.Nome
    42)
  SQL.Strings = (
    'SELECT A.CDFILIAL ' +
      'FROM FILIAL A')
  Picture.Data = {
    07544269746D6170
    00FF}
end
