inherited frmDadosEmissaoNF: TfrmDadosEmissaoNF
  Left = 260
  Top = 160
  Width = 560
  Height = 420
  BorderIcons = [biSystemMenu]
  Caption = 'Dados para Emissão de NF'
  Position = poMainFormCenter
  OnClose = FormClose
  OnShow = FormShow
  inherited msgPadrao: TMessages
    Messages.Strings = (
      'ENDERECO_NAO_CADASTRADO|Operação Bloqueada! Endereço informado não cadastrado no sistema. Favor verificar o cadastro da filial ou da inscrição estadual.'
      'Insc_Muni|Inscrição municipal deve ser informada.'
      'InscMuni_cad|Inscrição municipal não cadastrada.')
  end
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99502'
    end
  end
  inherited panBotoes: TPanel
    inherited sbtConfirma: TButtonFlat
      Enabled = False
      OnClick = sbtConfirmaClick
    end
  end
  inherited grbDadosRel: TGroupBox
    object lblFilial: TLabel
      Left = 8
      Top = 24
      Width = 33
      Height = 13
      Caption = 'Filial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object medFilial: TMaskEdit
      Left = 64
      Top = 20
      Width = 41
      Height = 21
      TabStop = False
      Color = clInfoBk
      EditMask = '>aaaa;0; '
      Enabled = False
      MaxLength = 4
      TabOrder = 0
    end
    object btpFilial: TBtnPesquisa
      Left = 107
      Top = 19
      Width = 23
      Height = 22
      Hint = 'Pesquisar'
      Enabled = False
      ShowHint = True
    end
    object edtNmFilial: TEdit
      Left = 132
      Top = 20
      Width = 300
      Height = 21
      TabStop = False
      Color = clBtnFace
      Enabled = False
      TabOrder = 1
    end
    object lblSelecaoEndereco: TLabel
      Left = 8
      Top = 52
      Width = 44
      Height = 13
      Caption = 'Endereço'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object cbbSelecaoEndereco: TComboBox
      Left = 64
      Top = 48
      Width = 145
      Height = 21
      Style = csDropDownList
      DropDownCount = 8
      TabOrder = 2
      OnChange = cbbSelecaoEnderecoChange
      Items.Strings = (
        'Filial'
        'Cobrança'
        'Exterior'
        'Exportação'
        'Entrega'
        'Inscrição Estadual'
        'Empresa'
        '')
    end
    object lblInscMuni: TLabel
      Left = 224
      Top = 52
      Width = 105
      Height = 13
      Caption = 'Inscrição Municipal'
    end
    object edtInscMuni: TEdit
      Left = 340
      Top = 48
      Width = 121
      Height = 21
      MaxLength = 16
      TabOrder = 3
      OnChange = edtInscMuniChange
      OnExit = edtInscMuniExit
    end
    object btpInscMuni: TBtnPesquisa
      Left = 463
      Top = 47
      Width = 23
      Height = 22
      Hint = 'Pesquisar'
      ShowHint = True
      Associate = edtInscMuni
      Title = 'Inscrição Municipal'
      DataSource = dtsInscMunicip
      EmptyError = 'Não há inscrição municipal cadastrada'
      OnBeforePesq = btpInscMuniBeforePesq
      OnAfterPesq = btpInscMuniAfterPesq
    end
    object grbDados: TGroupBox
      Left = 8
      Top = 80
      Width = 510
      Height = 296
      Caption = 'Dados'
      TabOrder = 4
      object lblNmFilial: TLabel
        Left = 10
        Top = 24
        Width = 22
        Height = 13
        Caption = 'Nome'
      end
      object dbeNmFilial: TDBEdit
        Left = 96
        Top = 20
        Width = 300
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NMFILIAL'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblNmRazSocFili: TLabel
        Left = 10
        Top = 48
        Width = 66
        Height = 13
        Caption = 'Razão Social'
      end
      object dbeNmRazSocFili: TDBEdit
        Left = 96
        Top = 44
        Width = 300
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NMRAZSOCFILI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblNrInsJurFili: TLabel
        Left = 10
        Top = 72
        Width = 50
        Height = 13
        Caption = 'Inscrição'
      end
      object dbeNrInsJurFili: TDBEdit
        Left = 96
        Top = 68
        Width = 140
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NRINSJURFILI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblCdInscEsta: TLabel
        Left = 10
        Top = 96
        Width = 77
        Height = 13
        Caption = 'Insc. Estadual'
      end
      object dbeCdInscEsta: TDBEdit
        Left = 96
        Top = 92
        Width = 121
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'CDINSCESTA'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblCdInscMuni: TLabel
        Left = 230
        Top = 96
        Width = 83
        Height = 13
        Caption = 'Insc. Municipal'
      end
      object dbeCdInscMuni: TDBEdit
        Left = 316
        Top = 92
        Width = 121
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'CDINSCMUNI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblDsEndeFili: TLabel
        Left = 10
        Top = 120
        Width = 44
        Height = 13
        Caption = 'Endereço'
      end
      object dbeDsEndeFili: TDBEdit
        Left = 96
        Top = 116
        Width = 360
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'DSENDEFILI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblDsCompEndFil: TLabel
        Left = 10
        Top = 144
        Width = 61
        Height = 13
        Caption = 'Complemento'
      end
      object dbeDsCompEndFil: TDBEdit
        Left = 96
        Top = 140
        Width = 360
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'DSCOMPENDFIL'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblCdPais: TLabel
        Left = 10
        Top = 168
        Width = 22
        Height = 13
        Caption = 'Pais'
      end
      object dbeCdPais: TDBEdit
        Left = 96
        Top = 164
        Width = 41
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'CDPAIS'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object btnPais: TBtnPesquisa
        Left = 139
        Top = 163
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        Enabled = False
        ShowHint = True
      end
      object dbeNmPais: TDBEdit
        Left = 164
        Top = 164
        Width = 230
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NMPAIS'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblSgEstado: TLabel
        Left = 10
        Top = 192
        Width = 33
        Height = 13
        Caption = 'Estado'
      end
      object dbeSgEstado: TDBEdit
        Left = 96
        Top = 188
        Width = 41
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'SGESTADO'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object btnEstado: TBtnPesquisa
        Left = 139
        Top = 187
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        Enabled = False
        ShowHint = True
      end
      object lblCdMunicipio: TLabel
        Left = 10
        Top = 216
        Width = 50
        Height = 13
        Caption = 'Município'
      end
      object dbeCdMunicipio: TDBEdit
        Left = 96
        Top = 212
        Width = 41
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'CDMUNICIPIO'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object btnMunicipio: TBtnPesquisa
        Left = 139
        Top = 211
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        Enabled = False
        ShowHint = True
      end
      object dbeNmMunicipio: TDBEdit
        Left = 164
        Top = 212
        Width = 230
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NMMUNICIPIO'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblNmBairFili: TLabel
        Left = 10
        Top = 240
        Width = 33
        Height = 13
        Caption = 'Bairro'
      end
      object dbeNmBairFili: TDBEdit
        Left = 96
        Top = 236
        Width = 230
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NMBAIRFILI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object dbeCdBairFili: TDBEdit
        Left = 328
        Top = 236
        Width = 71
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'CDBAIRRO'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object btnBairFili: TBtnPesquisa
        Left = 401
        Top = 235
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        Enabled = False
        ShowHint = True
      end
      object lblNrCEPFili: TLabel
        Left = 10
        Top = 264
        Width = 20
        Height = 13
        Caption = 'CEP'
      end
      object dbeNrCEPFili: TDBEdit
        Left = 96
        Top = 260
        Width = 100
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NRCEPFILI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
      object lblNrTeleFili: TLabel
        Left = 230
        Top = 264
        Width = 44
        Height = 13
        Caption = 'Telefone'
      end
      object dbeNrTeleFili: TDBEdit
        Left = 316
        Top = 260
        Width = 160
        Height = 21
        TabStop = False
        Color = clBtnFace
        DataField = 'NRTELEFILI'
        DataSource = dtsDadosEmissaoNF
        Enabled = False
      end
    end
  end
  object cdsDadosEmissaoNF: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 396
    Top = 8
    object cdsDadosEmissaoNFIDTPENDEFILI: TStringField
      FieldName = 'IDTPENDEFILI'
      FixedChar = True
      Size = 1
    end
    object cdsDadosEmissaoNFNMFILIAL: TStringField
      FieldName = 'NMFILIAL'
      Size = 30
    end
    object cdsDadosEmissaoNFNMRAZSOCFILI: TStringField
      FieldName = 'NMRAZSOCFILI'
      Size = 40
    end
    object cdsDadosEmissaoNFNRINSJURFILI: TStringField
      FieldName = 'NRINSJURFILI'
      OnGetText = cdsDadosEmissaoNFNRINSJURFILIGetText
      Size = 20
    end
    object cdsDadosEmissaoNFCDINSCESTA: TStringField
      FieldName = 'CDINSCESTA'
      Size = 16
    end
    object cdsDadosEmissaoNFCDINSCMUNI: TStringField
      FieldName = 'CDINSCMUNI'
      Size = 16
    end
    object cdsDadosEmissaoNFDSENDEFILI: TStringField
      FieldName = 'DSENDEFILI'
      Size = 50
    end
    object cdsDadosEmissaoNFDSCOMPENDFIL: TStringField
      FieldName = 'DSCOMPENDFIL'
      Size = 200
    end
    object cdsDadosEmissaoNFCDPAIS: TStringField
      FieldName = 'CDPAIS'
      Size = 4
    end
    object cdsDadosEmissaoNFNMPAIS: TStringField
      FieldName = 'NMPAIS'
      Size = 30
    end
    object cdsDadosEmissaoNFSGESTADO: TStringField
      FieldName = 'SGESTADO'
      Size = 2
    end
    object cdsDadosEmissaoNFCDMUNICIPIO: TStringField
      FieldName = 'CDMUNICIPIO'
      Size = 4
    end
    object cdsDadosEmissaoNFNMMUNICIPIO: TStringField
      FieldName = 'NMMUNICIPIO'
      Size = 30
    end
    object cdsDadosEmissaoNFNMBAIRFILI: TStringField
      FieldName = 'NMBAIRFILI'
      Size = 30
    end
    object cdsDadosEmissaoNFCDBAIRRO: TStringField
      FieldName = 'CDBAIRRO'
      Size = 10
    end
    object cdsDadosEmissaoNFNMBAIRRO: TStringField
      FieldName = 'NMBAIRRO'
      Size = 50
    end
    object cdsDadosEmissaoNFNRCEPFILI: TStringField
      FieldName = 'NRCEPFILI'
      Size = 15
    end
    object cdsDadosEmissaoNFNRTELEFILI: TStringField
      FieldName = 'NRTELEFILI'
      Size = 25
    end
    object cdsDadosEmissaoNFEXISTEINFO: TStringField
      FieldName = 'EXISTEINFO'
      Size = 14
    end
    object cdsDadosEmissaoNFCDINSCMUNIEMP: TStringField
      FieldName = 'CDINSCMUNIEMP'
      Size = 16
    end
  end
  object dtsDadosEmissaoNF: TDataSource
    DataSet = cdsDadosEmissaoNF
    Left = 364
    Top = 8
  end
  object qryInscMunicip: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_CDEMPRESA'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_CDINSCMUNI'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TCDINSCMUNI'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL.Strings = (
      'SELECT'
      '   CDINSCMUNI'
      'FROM'
      '   INSCRMUNICIP'
      'WHERE'
      '   (CDEMPRESA  = :P_CDEMPRESA) AND'
      '   ((CDINSCMUNI = :P_CDINSCMUNI) OR (''T'' = :P_TCDINSCMUNI))'
      'ORDER BY'
      '   CDINSCMUNI')
    Left = 460
    Top = 8
    object qryInscMunicipCDINSCMUNI: TADOIBStringField
      DisplayLabel = 'Código'
      FieldName = 'CDINSCMUNI'
      Origin = 'INSCRMUNICIP.CDINSCMUNI'
      Size = 16
    end
  end
  object dtsInscMunicip: TDataSource
    DataSet = qryInscMunicip
    Left = 428
    Top = 8
  end
end
