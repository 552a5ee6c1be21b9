object frmRotiGeral: TfrmRotiGeral
  Left = 200
  Top = 120
  Width = 640
  Height = 480
  Caption = 'frmRotiGeral'
  Position = poMainFormCenter
  OnClose = FormClose
  OnCreate = FormCreate
  object msgPadrao: TMessages
  end
  object panMenu: TPanel
    Left = 0
    Top = 0
    Width = 640
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
      Left = 606
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
  object panBotoes: TPanel
    Left = 0
    Top = 34
    Width = 32
    Height = 446
    Align = alLeft
    object sbtConfirma: TButtonFlat
      Left = 4
      Top = 8
      Width = 23
      Height = 22
      Hint = 'Confirmar'
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
    Width = 608
    Height = 446
    Align = alClient
  end
end
