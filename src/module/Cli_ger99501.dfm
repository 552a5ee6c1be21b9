inherited frmTpoper: TfrmTpoper
  Left = 250
  Top = 150
  Width = 640
  Height = 480
  BorderIcons = [biSystemMenu]
  Caption = 'Cadastramento Automático de Tipo de Operação por Filial'
  Position = poMainFormCenter
  OnCreate = FormCreate
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99501'
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
