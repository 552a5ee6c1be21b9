object frmPadrImportExport: TfrmPadrImportExport
  Left = 200
  Top = 120
  Width = 720
  Height = 520
  Caption = 'frmPadrImportExport'
  Position = poDefault
  OnClose = FormClose
  OnCreate = FormCreate
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
    end
    object sbtCancel: TButtonFlat
      Left = 4
      Top = 30
      Width = 23
      Height = 22
      Hint = 'Cancelar'
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
