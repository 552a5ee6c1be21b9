object frmPadrImportExport: TfrmPadrImportExport
  Left = 200
  Top = 120
  Width = 720
  Height = 520
  Caption = 'frmPadrImportExport'
  Position = poDefault
  OnClose = FormClose
  OnCloseQuery = FormCloseQuery
  KeyPreview = True
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object msgPadrao: TMessages
  end
  object panMenu: TPanel
    Left = 0
    Top = 0
    Width = 720
    Height = 34
    Align = alTop
    BevelOuter = bvNone
    object lblCodTela: TLabel
      Left = 8
      Top = 10
      Width = 60
      Height = 13
      Font.Style = [fsBold]
    end
    object panHelp: TPanel
      Left = 686
      Top = 0
      Width = 34
      Height = 34
      Align = alRight
      BevelOuter = bvNone
      object sbtHelp: TButtonFlat
        Left = 6
        Top = 6
        Width = 23
        Height = 22
        Hint = 'Ajuda'
        Glyph.Data = {
          F6000000424DF600000000000000760000002800000010000000100000000100
          0400000000008000000000000000000000001000000000000000000000000000
          80000080000000808000800000008000800080800000C0C0C000808080000000
          FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
          3333333333CCC3333333333333CCC3333333333333CCC3333333333333333333
          3333333333CCC3333333333333CCC3333333333333CCC33333333333333CCC33
          333333333333CCC33333333333333CCC3333333CCC333CCC3333333CCC333CCC
          33333333CCCCCCC3333333333CCCCC3333333333333333333333}
        OnClick = sbtHelpClick
      end
    end
  end
  object panProgresso: TPanel
    Left = 0
    Top = 476
    Width = 720
    Height = 44
    Align = alBottom
    BevelOuter = bvLowered
    Visible = False
    object Image1: TImage
      Left = 8
      Top = 6
      Width = 32
      Height = 32
    end
    object Image2: TImage
      Left = 44
      Top = 6
      Width = 32
      Height = 32
    end
    object lblProgresso: TLabel
      Left = 84
      Top = 4
      Width = 300
      Height = 13
    end
    object pgbProgresso: TProgressBar
      Left = 84
      Top = 20
      Width = 620
      Height = 16
    end
  end
  object panBotoes: TPanel
    Left = 0
    Top = 34
    Width = 32
    Height = 442
    Align = alLeft
    object sbtImportExport: TButtonFlat
      Left = 4
      Top = 8
      Width = 23
      Height = 22
      Hint = 'Importar/Exportar'
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
        3333333332233333333333332223333333333332222222222223332222222222
        2223333222222222222333332223333333333333322333333333333333333CC3
        3333333333333CCC33333CCCCCCCCCCCC3333CCCCCCCCCCCCC333CCCCCCCCCCC
        C333333333333CCC3333333333333CC333333333333333333333}
    end
    object sbtCancel: TButtonFlat
      Left = 4
      Top = 30
      Width = 23
      Height = 22
      Hint = 'Cancelar'
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
        3333333333333333333333993333333399333399933333399933333999333399
        9333333399933999333333333999999333333333339999333333333333999933
        3333333339999993333333339993399933333339993333999333339993333339
        9933339933333333993333333333333333333333333333333333}
      OnClick = sbtCancelClick
    end
  end
  object grbDadosRel: TGroupBox
    Left = 32
    Top = 34
    Width = 688
    Height = 442
    Align = alClient
  end
end
