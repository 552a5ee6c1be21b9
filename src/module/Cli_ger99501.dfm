inherited frmTpoper: TfrmTpoper
  Left = 250
  Top = 150
  Width = 640
  Height = 480
  BorderIcons = [biSystemMenu]
  Caption = 'Cadastramento Automático de Tipo de Operação por Filial'
  Position = poMainFormCenter
  OnCreate = FormCreate
  inherited msgPadrao: TMessages
    Messages.Strings = (
      'Insc_est|Inscrição Estadual'
      'filial|Filial'
      'Insc_Est_Info|Inscrição Estadual deve ser informada.'
      'Tp_Oper|Tipo de Operação'
      'Inf_Fil|Filial deve ser informada. '
      'Inf_TpOper|Tipo de Operação deve ser informado.'
      'Grav_Ser|Atualizando dados no servidor'
      'Grav_suce|Cadastramento realizado com sucesso.'
      'Conf_Todas_Alt|A confirmação provocará a alteração de todas as filiais. confirma operação?')
  end
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99501'
    end
  end
  inherited panBotoes: TPanel
    inherited sbtConfirma: TButtonFlat
      OnClick = sbtConfirmaClick
    end
  end
  inherited grbDadosRel: TGroupBox
    object grbInscEst: TGroupBox
      Left = 16
      Top = 24
      Width = 180
      Height = 81
      Caption = 'Insc. Estadual'
      TabOrder = 0
      object rdbTInscEst: TRadioButton
        Left = 12
        Top = 24
        Width = 100
        Height = 17
        Caption = 'Todos'
        TabOrder = 0
        OnClick = rdbTInscEstClick
      end
      object rdbLInscEst: TRadioButton
        Left = 12
        Top = 50
        Width = 100
        Height = 17
        Caption = 'Lista'
        TabOrder = 1
        OnClick = rdbLInscEstClick
      end
      object btnInsEst: TBtnPesquisa
        Left = 140
        Top = 46
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        ShowHint = True
        Associate = rdbLInscEst
        OnClick = btnInsEstClick
      end
    end
    object grbFilial: TGroupBox
      Left = 212
      Top = 24
      Width = 180
      Height = 81
      Caption = 'Filial'
      TabOrder = 1
      object rdbTFilial: TRadioButton
        Left = 12
        Top = 24
        Width = 100
        Height = 17
        Caption = 'Todos'
        TabOrder = 0
        OnClick = rdbTFilialClick
      end
      object rdbLFilial: TRadioButton
        Left = 12
        Top = 50
        Width = 100
        Height = 17
        Caption = 'Lista'
        TabOrder = 1
        OnClick = rdbLFilialClick
      end
      object btnFilial: TBtnPesquisa
        Left = 140
        Top = 46
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        ShowHint = True
        Associate = rdbLFilial
        OnClick = btnFilialClick
      end
    end
    object grbTpOper: TGroupBox
      Left = 408
      Top = 24
      Width = 180
      Height = 81
      Caption = 'Tipo de Operação'
      TabOrder = 2
      object rdbTTpOper: TRadioButton
        Left = 12
        Top = 24
        Width = 100
        Height = 17
        Caption = 'Todos'
        TabOrder = 0
        OnClick = rdbTTpOperClick
      end
      object rdbLTpOper: TRadioButton
        Left = 12
        Top = 50
        Width = 100
        Height = 17
        Caption = 'Lista'
        TabOrder = 1
        OnClick = rdbLTpOperClick
      end
      object btnTpOperacao: TBtnPesquisa
        Left = 140
        Top = 46
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        ShowHint = True
        Associate = rdbLTpOper
        OnClick = btnTpOperacaoClick
      end
    end
    object grbLib: TGroupBox
      Left = 16
      Top = 120
      Width = 572
      Height = 113
      TabOrder = 3
      object lblLiberado: TLabel
        Left = 16
        Top = 24
        Width = 44
        Height = 13
        Caption = 'Liberado'
      end
      object lblLancMan: TLabel
        Left = 16
        Top = 52
        Width = 110
        Height = 13
        Caption = 'Permite Lanç. Manual'
      end
      object lblSelecaoEndereco: TLabel
        Left = 16
        Top = 80
        Width = 48
        Height = 13
        Caption = 'Endereço'
      end
      object cbbLiberado: TComboBox
        Left = 150
        Top = 20
        Width = 100
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        Items.Strings = (
          'Sim'
          'Não')
      end
      object cbbLancMan: TComboBox
        Left = 150
        Top = 48
        Width = 100
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        Items.Strings = (
          'Sim'
          'Não')
      end
      object cbbSelecaoEndereco: TComboBox
        Left = 150
        Top = 76
        Width = 160
        Height = 21
        Style = csDropDownList
        DropDownCount = 6
        TabOrder = 2
        Items.Strings = (
          'Filial'
          'Cobrança'
          'Exterior'
          'Exportação'
          'Entrega'
          'Inscrição Estadual')
      end
    end
  end
  object qryInscEst: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    SQL.Strings = (
      'SELECT CDINSCESTA,'
      '            '''' AS IDMARCADO'
      '   FROM INSCRESTAD'
      ''
      'ORDER BY CDINSCESTA')
    SQL_ORACLE.Strings = (
      'SELECT CDINSCESTA,'
      '              '''' AS IDMARCADO'
      '   FROM INSCRESTAD'
      'ORDER BY CDINSCESTA')
    SQL_MSSQL.Strings = (
      'SELECT CDINSCESTA,'
      '              '''' AS IDMARCADO'
      '   FROM INSCRESTAD'
      'ORDER BY CDINSCESTA')
    SQL_IB.Strings = (
      'SELECT CDINSCESTA,'
      '              '''' AS IDMARCADO'
      '   FROM INSCRESTAD'
      'ORDER BY CDINSCESTA')
    Left = 540
    Top = 8
    object qryInscEstCDINSCESTA: TADOIBStringField
      DisplayLabel = 'Insc. Estadual'
      FieldName = 'CDINSCESTA'
      Size = 16
    end
  end
  object dtsInscEst: TDataSource
    DataSet = qryInscEst
    Left = 508
    Top = 8
  end
  object qryFilial: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_CDINSCESTA'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TCDINSCESTA'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL_ORACLE.Strings = (
      'SELECT CDFILIAL , NMFILIAL,'
      '        '' '' AS IDMARCADO       '
      '    FROM FILIAL'
      'WHERE ((INSTR(:P_CDINSCESTA,CDINSCESTA) > 0) OR (:P_TCDINSCESTA =''T'' ))'
      'ORDER BY CDFILIAL')
    SQL_MSSQL.Strings = (
      'SELECT CDFILIAL , NMFILIAL,'
      '        '' '' AS IDMARCADO       '
      '    FROM FILIAL'
      'WHERE ((CHARINDEX(CDINSCESTA,:P_CDINSCESTA) > 0) OR (:P_TCDINSCESTA =''T'' ))'
      'ORDER BY CDFILIAL')
    SQL_IB.Strings = (
      'SELECT CDFILIAL , NMFILIAL,'
      '       '' '' IDMARCADO'
      '  FROM FILIAL, PARAM(:P_CDINSCESTA) P_CDINSCESTA, PARAM(:P_TCDINSCESTA) P_TCDINSCESTA'
      'WHERE ((INSTR(P_CDINSCESTA.PARAM,CDINSCESTA) > 0) OR (P_TCDINSCESTA.PARAM =''T'' ))'
      'ORDER BY CDFILIAL')
    Left = 540
    Top = 40
    object qryFilialCDFILIAL: TADOIBStringField
      DisplayLabel = 'Código'
      FieldName = 'CDFILIAL'
      Size = 4
    end
    object qryFilialNMFILIAL: TADOIBStringField
      DisplayLabel = 'Nome '
      FieldName = 'NMFILIAL'
      Size = 30
    end
  end
  object dtsFilial: TDataSource
    DataSet = qryFilial
    Left = 508
    Top = 40
  end
  object qryTpOper: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    SQL_ORACLE.Strings = (
      'SELECT CDTIPOOPER, NMTIPOOPER,'
      '       '''' AS IDMARCADO  '
      '  FROM TIPOOPERAC'
      ' WHERE IDUTILOPER   = ''S'''
      '   AND IDENTRSAIDOP = ''S'' '
      'ORDER BY CDTIPOOPER   ')
    SQL_MSSQL.Strings = (
      'SELECT CDTIPOOPER, NMTIPOOPER,'
      '       '''' AS IDMARCADO  '
      '  FROM TIPOOPERAC'
      ' WHERE IDUTILOPER   = ''S'''
      '   AND IDENTRSAIDOP = ''S'' '
      'ORDER BY CDTIPOOPER   '
      '')
    SQL_IB.Strings = (
      'SELECT CDTIPOOPER, NMTIPOOPER,'
      '       '''' AS IDMARCADO  '
      '  FROM TIPOOPERAC'
      ' WHERE IDUTILOPER   = ''S'''
      '   AND IDENTRSAIDOP = ''S'' '
      'ORDER BY CDTIPOOPER   ')
    Left = 540
    Top = 72
    object qryTpOperCDTIPOOPER: TADOIBStringField
      DisplayLabel = 'Código'
      FieldName = 'CDTIPOOPER'
      Size = 2
    end
    object qryTpOperNMTIPOOPER: TADOIBStringField
      DisplayLabel = 'Nome'
      FieldName = 'NMTIPOOPER'
      Size = 30
    end
  end
  object dtsTpOper: TDataSource
    DataSet = qryTpOper
    Left = 508
    Top = 72
  end
end
