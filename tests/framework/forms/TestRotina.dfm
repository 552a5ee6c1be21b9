inherited frmTesteRotina: TfrmTesteRotina
  Caption = 'Tela de Teste'
  inherited msgPadrao: TMessages
    Messages.Strings = (
      'Conf|Confirma opera'#231#227'o?')
  end
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER00001'
    end
  end
  inherited panBotoes: TPanel
    inherited sbtConfirma: TButtonFlat
      OnClick = sbtConfirmaClick
    end
    object sbtNovo: TButtonFlat
      Left = 4
      Top = 52
      Width = 23
      Height = 22
      Hint = 'Novo'
    end
    inherited sbtCancel: TButtonFlat
      Top = 123
    end
  end
  object cdsTeste: TClientDataSet
    object cdsTesteNOME: TStringField
      FieldName = 'NOME'
      Size = 20
    end
  end
  inherited grbDadosRel: TGroupBox
    object edtNome: TEdit
      Left = 8
      Top = 20
      Width = 200
    end
    object edtCidade: TEdit
      Left = 8
      Top = 48
      Width = 200
    end
    object btpCidade: TBtnPesquisa
      Left = 212
      Top = 48
      Width = 21
      Height = 21
      Hint = 'Pesquisar'
      Associate = edtCidade
    end
  end
end
